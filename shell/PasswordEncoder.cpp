#include "PasswordEncoder.h"

#include "Helpers.h"

namespace {

// Fills the per-password alphabet up to 35 characters.
const QByteArray FillerKey = QByteArrayLiteral("M2TK7RW4QX9ZL3NP6VB8YJ5CS1HT4XW7QKZ");

// 35 digits and upper-case letters without 'O'; '4', 'K', 'P' and 'X' occur twice, so '1',
// '3', '5' and 'Q' never appear in an encoded password.
const QByteArray FinalAlphabet = QByteArrayLiteral("V8AEPDNC6R7TXX09SKWUM4ZLI4PB2FKHJGY");

} // namespace

QString EncodePassword(int userNumber, const QString& userName, const QString& password) {
    Q_UNUSED(userNumber)
    QByteArray t = GbkBytes(password.toUpper()) + GbkBytes(userName.toUpper());
    const QByteArray personal = t.size() < 35 ? t + FillerKey.left(35 - t.size()) : t;
    t += SubstituteBytes(QByteArrayLiteral("AB"), personal);
    if (t.size() < 8)
        t += QByteArray(8 - t.size(), 'G');
    return QString::fromLatin1(SubstituteBytes(t, FinalAlphabet));
}
