#include "sdk/widgets/CharacterLimitValidator.h"

#include <QTextBoundaryFinder>

namespace quarlin::ui {

CharacterLimitValidator::CharacterLimitValidator(int maxCharacters, QObject* parent)
    : QValidator(parent)
    , m_maxCharacters(maxCharacters)
{}

CharacterLimitValidator::~CharacterLimitValidator() = default;

QValidator::State CharacterLimitValidator::validate(QString& text, int&) const
{
    if (!isWellFormed(text))
        return Invalid;
    return characterCount(text) <= m_maxCharacters ? Acceptable : Intermediate;
}

int CharacterLimitValidator::characterCount(QString const& text)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int count = 0;
    while (finder.toNextBoundary() != -1)
        ++count;
    return count;
}

bool CharacterLimitValidator::isWellFormed(QString const& text)
{
    for (int i = 0; i < text.size(); ++i) {
        QChar const c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return false;
    }
    return true;
}

} // namespace quarlin::ui
