#include <QChar>
#include <QList>
#include <QString>

#include "net/message.h"
#include "net/protocol.h"

namespace tallowen::net {

namespace {

// Characters that would change how a name reads on the other screen: control and format
// characters (among them the ones that reverse the text's direction), line and paragraph breaks,
// and halves of a surrogate pair.
bool isHidden(char32_t c) {
    switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph: return true;
        default: return c == 0xFFFD;
    }
}

}  // namespace

bool isSendableText(std::string_view text, bool mayBeEmpty) {
    if (text.size() > static_cast<std::size_t>(kMaxTextBytes) || (text.empty() && !mayBeEmpty)) return false;
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    // Bytes that are not UTF-8 decode to the replacement character, which is refused below.
    for (const char32_t c : decoded.toUcs4())
        if (isHidden(c)) return false;
    return true;
}

std::string sendableText(std::string_view text) {
    std::string kept;
    for (const char32_t c : QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toUcs4()) {
        if (isHidden(c)) continue;
        const std::string one = QString::fromUcs4(&c, 1).toStdString();
        if (kept.size() + one.size() > static_cast<std::size_t>(kMaxTextBytes)) break;
        kept += one;
    }
    return kept;
}

}  // namespace tallowen::net
