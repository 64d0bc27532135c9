#pragma once

#include "AdoDbCustom.h"

#include <QString>
#include <QStringList>

// Row numbers of the applicant tables and the removal of an applicant.

// The fourteen tables an applicant is removed from, in the order of removal; the
// accounting case (t_kjal) is kept.
extern const QStringList ApplicantRemovalTables;

// One more than the highest f_index of the whole table (over all applicants), or 1 when
// the table holds no number. Raises DatabaseError.
int NextIndex(const QString& table);

// Runs an insert whose row number it allocates itself: NextIndex of the table, at least 6.
// With substitute 1 the statement's one "%s" outside quoted values receives the number;
// a statement with none or several of them fails. True when the statement ran and was
// committed; rowNumber then holds the number. Failures are rolled back and shown to nobody.
bool ExecSqlWithIndex(const QString& statement, int substitute, const QString& table,
                      int& rowNumber);

// Deletes the applicant's rows from the fourteen tables on an open connection; errors
// reach the caller, so that its transaction is rolled back as a whole.
void DeleteApplicant(TDbConnect& connection, const QString& applicantId);

// Deletes the applicant in one transaction on a connection of its own: true when every
// delete took effect, false (and nothing deleted) otherwise. Nothing is shown.
bool RemoveApplicant(const QString& applicantId);
