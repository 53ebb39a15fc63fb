#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/host/HostEnums.h"

class QWidget;

namespace quarlin::dialogs::prompt {

/// Asked before the host switches the vector layer on: true when it may. Asks the user for the
/// vector variables only when the host cannot show vectors with what it has.
class QUARLIN_PROMPT_EXPORT VectorVarAssignStrategy
{
public:
    /// `parent` is borrowed: the parent of the vector prompt it may open, which must outlive the calls.
    explicit VectorVarAssignStrategy(QWidget& parent);

    /// False for anything but a 2-D (2) or 3-D (1) Cartesian plot; true without asking when the
    /// host can show vectors already; otherwise whether the user chose variables with OK.
    bool operator()(PlotType_e plotType) const;

private:
    QWidget& m_parent; ///< not owned: the parent of the prompt it may open
};

} // namespace quarlin::dialogs::prompt
