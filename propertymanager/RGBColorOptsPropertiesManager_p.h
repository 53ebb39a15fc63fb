#pragma once

#include "sdk/host/HostEnums.h"
#include "sdk/managerbase/RelevanceInterface.h"

#include <boost/shared_ptr.hpp>
#include <boost/signals2/connection.hpp>

#include <memory>

namespace quarlin::toolbox {
class StateChangeEventInterface;
}

namespace quarlin::sdk::ui::common {
class OnIdleAfterStateChangeActionPerformer;
}

namespace quarlin::sdk::ui::dialogs::propertybindings::models {
template <class T>
class PremappedListModel;
class EnabledVariablesListModel;
} // namespace quarlin::sdk::ui::dialogs::propertybindings::models

namespace quarlin::sdk::ui::propertymanager {

class RGBColorOptsPropertiesGenerated;

// What the RGB colouring prompt needs besides the settings: the list of modes, the list of the
// active frame's variables, one rule per channel (a channel the mode calculates is not the
// person's to choose), and a watcher that replaces channel variables the data set no longer
// has with the host's candidates: as soon as the variable list changes, before a combo box bound
// to a lost channel hears of it, and again once the host's state has settled.
class RGBColorOptsPropertiesManager
{
public:
    using ModeModel = dialogs::propertybindings::models::PremappedListModel<RGBMode_e>;
    using VariablesModel = dialogs::propertybindings::models::EnabledVariablesListModel;

    explicit RGBColorOptsPropertiesManager(boost::shared_ptr<RGBColorOptsPropertiesGenerated> generated);
    virtual ~RGBColorOptsPropertiesManager();
    RGBColorOptsPropertiesManager(RGBColorOptsPropertiesManager const&) = delete;
    RGBColorOptsPropertiesManager& operator=(RGBColorOptsPropertiesManager const&) = delete;

    RelevancePtr const& redRelevance() const { return m_redRelevance; }
    RelevancePtr const& greenRelevance() const { return m_greenRelevance; }
    RelevancePtr const& blueRelevance() const { return m_blueRelevance; }
    boost::shared_ptr<ModeModel> const& modeModel() const { return m_modeModel; }
    // The modes' names again, in the language of the moment; the mode chosen stays.
    void retranslate();
    boost::shared_ptr<VariablesModel> const& variablesModel() const { return m_variablesModel; }

    // The host state changes after which the channel variables may have become invalid.
    static bool isChannelVarRelevantChange(toolbox::StateChangeEventInterface const& event);
    // Replaces an invalid triple of channel variables with the host's candidates, red first, as
    // one undo step.
    void ensureValidChannelVars();

private:
    boost::shared_ptr<RGBColorOptsPropertiesGenerated> m_generated;
    RelevancePtr m_redRelevance;
    RelevancePtr m_greenRelevance;
    RelevancePtr m_blueRelevance;
    boost::shared_ptr<ModeModel> m_modeModel;
    boost::shared_ptr<VariablesModel> m_variablesModel;
    std::unique_ptr<common::OnIdleAfterStateChangeActionPerformer> m_channelVarChecker;
    boost::signals2::scoped_connection m_variablesChanged;
};

} // namespace quarlin::sdk::ui::propertymanager
