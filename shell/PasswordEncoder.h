#pragma once

#include <QString>

// One-way scrambling of a user's password together with the user name, stored for new
// user accounts. Nothing reads the stored value back.
QString EncodePassword(int userNumber, const QString& userName, const QString& password);
