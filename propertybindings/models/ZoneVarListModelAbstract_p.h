#pragma once

#include "propertybindings/models/ListModelAbstract.h"
#include "sdk/host/Platform.h"
#include "sdk/host/Set.h"

#include <boost/function.hpp>
#include <boost/signals2/connection.hpp>

#include <string>
#include <vector>

namespace quarlin::toolbox {
class StateChangeEventInterface;
}

namespace quarlin::sdk::ui::dialogs::propertybindings::models {

// The zones or variables the active frame shows, as a list whose values are their 1-based
// numbers and whose texts are their names. The members come from a function of the frame id;
// the list follows the host (data set, frame and member changes) and announces a whole-list
// change only when the members differ. Names are asked of the host when a row is shown, so a
// data set of 10^5 variables costs one number per row until a view looks at it.
class ZoneVarListModelAbstract : public ListModelAbstract<int>
{
public:
    using MemberFunction = boost::function<toolbox::Set(__int64 frameId)>;

    // numbered: texts read "3: Temperature" rather than "Temperature".
    ZoneVarListModelAbstract(MemberFunction members, bool numbered);
    ~ZoneVarListModelAbstract() override;

    int size() const override;
    // A row outside the list throws std::out_of_range.
    int get(int index) const override;
    std::string getStr(int index) override;
    int indexOf(int const& value) const override;

    // Reads the members again; announces a whole-list change when they changed.
    void refresh();

protected:
    // The host's name of member number; empty when it has none.
    virtual std::string nameOf(int number) const = 0;
    // Whether a host state change can change the members or their names.
    virtual bool isAffectedBy(toolbox::StateChangeEventInterface const& event) const = 0;

private:
    void onStateChange(toolbox::StateChangeEventInterface const& event);

    MemberFunction m_members;
    bool m_numbered;
    std::vector<int> m_numbers;
    std::vector<int> m_rowOfNumber; // dense: index is the number, -1 for a non-member
    boost::signals2::scoped_connection m_hostConnection;
};

// The variables the active frame has enabled.
class EnabledVariablesListModel : public ZoneVarListModelAbstract
{
public:
    EnabledVariablesListModel(MemberFunction members, bool numbered);
    ~EnabledVariablesListModel() override;

protected:
    std::string nameOf(int number) const override;
    bool isAffectedBy(toolbox::StateChangeEventInterface const& event) const override;
};

// The zones the active frame has enabled.
class ZoneListModel : public ZoneVarListModelAbstract
{
public:
    ZoneListModel(MemberFunction members, bool numbered);
    ~ZoneListModel() override;

protected:
    std::string nameOf(int number) const override;
    bool isAffectedBy(toolbox::StateChangeEventInterface const& event) const override;
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::models
