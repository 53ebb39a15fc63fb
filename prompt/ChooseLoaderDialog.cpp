#include "prompt/ChooseLoaderDialog.h"

#include "prompt/ChooseLoaderPropertiesManager_p.h"
#include "propertybindings/ListViewPropertyBinding.h"
#include "propertybindings/RelevanceApplier.h"
#include "propertybindings/models/StringListModel.h"
#include "propertymanager/PropertyPredicateDependentRelevance.h"
#include "sdk/dialogs/LaunchHelpAction_p.h"
#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/host/DataLoaderRepository.h"
#include "ui_ChooseLoader.h"

#include <boost/ptr_container/ptr_vector.hpp>

#include <QPointer>
#include <QPushButton>

namespace quarlin::dialogs::prompt {

using sdk::ui::dialogs::propertybindings::BindingInterface;
using sdk::ui::dialogs::propertybindings::ListViewPropertyBinding;
using sdk::ui::dialogs::propertybindings::RelevanceApplier;

class ChooseLoaderDialog::Impl : public Ui::ChooseLoader
{
public:
    ChooseLoaderPropertiesManager manager;
    boost::ptr_vector<ListViewPropertyBinding> bindings;
    std::unique_ptr<RelevanceApplier> okApplier;
    std::set<std::string> fileExtensions;
    bool noneSuggested = false;

    void showTexts(QDialog& dialog)
    {
        QString title = ChooseLoaderDialog::tr("Choose Loader ");
        if (!fileExtensions.empty()) {
            title += QLatin1Char('(');
            for (std::string const& extension : fileExtensions)
                title += QLatin1Char('*') + QString::fromStdString(extension) + QLatin1Char(' ');
            title += QLatin1Char(')');
        }
        dialog.setWindowTitle(title);
        label->setText(noneSuggested
                           ? ChooseLoaderDialog::tr("A loader could not be found for this file type.\n"
                                                    "Please choose which loader you would like to use.")
                           : ChooseLoaderDialog::tr("Multiple loaders support this kind of file.\n"
                                                    "Please choose which loader you would like to use."));
    }
};

ChooseLoaderDialog* ChooseLoaderDialog::m_dialogInstance = nullptr;

ChooseLoaderDialog& ChooseLoaderDialog::getInstance(
    QWidget& parent, std::vector<boost::shared_ptr<sdk::DataLoaderInterface>> const& suggestedLoaders,
    std::set<std::string> const& fileExtensions)
{
    if (!m_dialogInstance)
        m_dialogInstance = new ChooseLoaderDialog(parent);
    m_dialogInstance->prepare(suggestedLoaders, fileExtensions);
    return *m_dialogInstance;
}

ChooseLoaderDialog::ChooseLoaderDialog(QWidget& parent)
    : QtDialogAbstract(parent, {})
    , m_impl(std::make_unique<Impl>())
{
    setHelpAction(
        new common::LaunchHelpAction("data-loading.html#_all_files_and_all_supported_files", *this));
    Impl& form = *m_impl;
    form.setupUi(this);
    auto* const binding = new ListViewPropertyBinding;
    form.bindings.push_back(binding);
    binding->init(*form.LoadersList, form.manager.selection(), form.manager.model(),
                  BindingInterface::ModelUpdateImmediate);
    binding->setSelectionMode(QAbstractItemView::SingleSelection);
    form.okApplier = std::make_unique<RelevanceApplier>(
        form.manager.oneLoaderSelected(),
        std::initializer_list<QWidget*>{form.buttonBox->button(QDialogButtonBox::Ok)},
        RelevanceApplier::Manifestation_Sensitivity, BindingInterface::WidgetUpdateOnIdle);
    connect(form.LoadersList, &QAbstractItemView::doubleClicked, this, &ChooseLoaderDialog::accept);
    followLanguage([this, &form] {
        form.retranslateUi(this);
        form.showTexts(*this);
        form.manager.retranslate();
    });
}

ChooseLoaderDialog::~ChooseLoaderDialog()
{
    if (m_dialogInstance == this)
        m_dialogInstance = nullptr;
    m_impl->okApplier.reset();
    m_impl->bindings.clear();
}

void ChooseLoaderDialog::prepare(
    std::vector<boost::shared_ptr<sdk::DataLoaderInterface>> const& suggestedLoaders,
    std::set<std::string> const& fileExtensions)
{
    Impl& form = *m_impl;
    form.fileExtensions = fileExtensions;
    form.manager.rebuild(suggestedLoaders);
    std::string const remembered = form.manager.rememberedLoader(fileExtensions);
    if (!remembered.empty() && !form.manager.selectLoaderNamed(remembered))
        form.manager.selectFirstLoader();

    form.noneSuggested = suggestedLoaders.empty();
    refreshTexts();
}

boost::shared_ptr<sdk::DataLoaderInterface const> ChooseLoaderDialog::selectedLoader()
{
    return m_impl->manager.selectedLoader();
}

void ChooseLoaderDialog::accept()
{
    // OK's and the double click's slot: a settings failure is the host's message, not a crash.
    // The host may close the window under the prompt in answer to that message.
    QPointer<ChooseLoaderDialog> const self(this);
    runAtBoundary([this, &self] {
        Impl& form = *m_impl;
        if (auto const loader = form.manager.selectedLoader())
            form.manager.rememberLoader(form.fileExtensions, loader->name());
        if (self)
            QDialog::accept();
    });
}

} // namespace quarlin::dialogs::prompt
