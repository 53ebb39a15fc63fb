#pragma once

#include <QWidget>

class QPushButton;
class QTreeWidget;

namespace quarlin::hostapp {

// The loader remembered for each file extension, as the loader chooser stored it in the
// application settings, with a way to forget one (the chooser then asks again).
class RememberedLoadersView : public QWidget
{
    Q_OBJECT

public:
    explicit RememberedLoadersView(QWidget* parent = nullptr);

    void refresh();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void forgetSelected();

    QTreeWidget* m_list;   // owned by this widget
    QPushButton* m_forget; // owned by this widget
};

} // namespace quarlin::hostapp
