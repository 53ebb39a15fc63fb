#include "hostapp/FollowLanguage.h"

#include "sdk/exception/ExceptionBoundary.h"

#include <QEvent>
#include <QWidget>

namespace quarlin::hostapp {

namespace {

class LanguageFollower : public QObject
{
public:
    LanguageFollower(QWidget& widget, std::function<void()> setTexts)
        : QObject(&widget)
        , m_setTexts(std::move(setTexts))
    {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == parent() && event->type() == QEvent::LanguageChange)
            runAtBoundary(m_setTexts);
        return false;
    }

private:
    std::function<void()> m_setTexts;
};

} // namespace

void followLanguage(QWidget& widget, std::function<void()> setTexts)
{
    setTexts();
    new LanguageFollower(widget, std::move(setTexts));
}

} // namespace quarlin::hostapp
