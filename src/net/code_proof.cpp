#include "net/code_proof.h"

#include <QByteArray>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <vector>

#include "net/protocol.h"

namespace tallowen::net {

namespace {

QByteArray bytesOf(std::string_view s) { return QByteArray(s.data(), static_cast<qsizetype>(s.size())); }

std::string proof(std::string_view label, std::string_view code, std::string_view challenge, std::string_view nonce,
                  std::string_view token) {
    const QByteArray message = bytesOf(label) + '\n' + bytesOf(challenge) + '\n' + bytesOf(nonce) + '\n' + bytesOf(token);
    return QMessageAuthenticationCode::hash(message, bytesOf(code), QCryptographicHash::Sha256).toHex().toStdString();
}

}  // namespace

std::string newCode() {
    std::string code = std::to_string(QRandomGenerator::system()->bounded(1'000'000));
    return std::string(kCodeDigits - code.size(), '0') + code;
}

bool isCode(std::string_view text) {
    if (text.size() != kCodeDigits) return false;
    for (const char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

std::string randomHex(int bytes) {
    std::vector<quint32> words(static_cast<std::size_t>(bytes + 3) / 4);
    QRandomGenerator::system()->fillRange(words.data(), static_cast<qsizetype>(words.size()));
    return QByteArray(reinterpret_cast<const char*>(words.data()), bytes).toHex().toStdString();
}

std::string joinProof(std::string_view code, std::string_view challenge, std::string_view nonce, std::string_view token) {
    return proof("tallowen join", code, challenge, nonce, token);
}

std::string hostProof(std::string_view code, std::string_view challenge, std::string_view nonce, std::string_view token) {
    return proof("tallowen host", code, challenge, nonce, token);
}

bool sameProof(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned char difference = 0;
    for (std::size_t i = 0; i < a.size(); ++i) difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

}  // namespace tallowen::net
