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

namespace {

// Text as a message quotes it: a long text by its beginning.
QString excerpt(QString const& text)
{
    int const most = 40;
    if (CharacterLimitValidator::characterCount(text) <= most)
        return text;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    int end = 0;
    for (int i = 0; i < most; ++i)
        end = finder.toNextBoundary();
    return text.left(end) + QChar(0x2026);
}

} // namespace

QString CharacterLimitValidator::explain(QString const& text) const
{
    if (!isWellFormed(text))
        return tr("The text holds half of a character and cannot be taken.");
    if (m_maxCharacters == 1)
        return tr("Enter a single character, not \"%1\".").arg(excerpt(text));
    return tr("Enter at most %1 characters; \"%2\" has %3.")
        .arg(m_maxCharacters)
        .arg(excerpt(text))
        .arg(characterCount(text));
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
