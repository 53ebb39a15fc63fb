#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"

#include <boost/shared_ptr.hpp>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace quarlin::sdk {
class DataLoaderInterface;
}

namespace quarlin::dialogs::prompt {

/// Asks which loader reads a file when several loaders claim it or none does: every loader the
/// host knows in one list, the suggested ones first under a header. For a file with one
/// extension the choice is remembered in the application settings under "LastLoaderUsedForExt_"
/// followed by the extension exactly as given (with its dot, ".csv"), and preselected next time.
/// OK is enabled only while exactly one row is selected; a double click on a loader chooses it.
class QUARLIN_PROMPT_EXPORT ChooseLoaderDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// The first call builds the dialog under parent (later calls keep that parent); every call
    /// rebuilds the list for this file and returns the dialog.
    static ChooseLoaderDialog&
    getInstance(QWidget& parent,
                std::vector<boost::shared_ptr<sdk::DataLoaderInterface>> const& suggestedLoaders,
                std::set<std::string> const& fileExtensions);

    ~ChooseLoaderDialog() override;

    /// The loader of the selected row; empty when no row or a header row is selected.
    boost::shared_ptr<sdk::DataLoaderInterface const> selectedLoader();

public Q_SLOTS:
    /// Remembers the chosen loader for a single extension, then closes the dialog as OK.
    void accept() override;

private:
    explicit ChooseLoaderDialog(QWidget& parent);
    void prepare(std::vector<boost::shared_ptr<sdk::DataLoaderInterface>> const& suggestedLoaders,
                 std::set<std::string> const& fileExtensions);

    class Impl;
    std::unique_ptr<Impl> m_impl; ///< owned: form, properties, bindings, OK's relevance applier

    static ChooseLoaderDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
