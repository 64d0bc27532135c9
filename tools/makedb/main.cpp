// Creates the database files of the program folder from the compiled-in schema.
//
//   makedb [--code-tables] [--replace] FILE
//
// Without --replace an existing FILE is left exactly as it is (the local database holds
// the user's dossiers); with it FILE is rebuilt, which is meant for the empty submission
// template only. --code-tables fills the code tables of a fresh installation.

#include "DatabaseError.h"
#include "DatabaseSchema.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Creates a database file from the schema of the program."));
    parser.addHelpOption();
    const QCommandLineOption codeTables(QStringLiteral("code-tables"),
                                        QStringLiteral("Fill the code tables."));
    const QCommandLineOption replace(QStringLiteral("replace"),
                                     QStringLiteral("Rebuild the file when it exists."));
    parser.addOption(codeTables);
    parser.addOption(replace);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The database file."));
    parser.process(app);

    QTextStream err(stderr);
    if (parser.positionalArguments().size() != 1) {
        err << parser.helpText();
        return 2;
    }
    const QString path = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    const DatabaseContent content =
        parser.isSet(codeTables) ? DatabaseContent::WithCodeTables : DatabaseContent::TablesOnly;
    const bool exists = QFileInfo::exists(path);
    if (exists && !parser.isSet(replace))
        return 0;

    // A replacement is built completely beside the old file before the old one goes.
    const QString building = exists ? path + QStringLiteral(".new") : path;
    if (building != path)
        QFile::remove(building); // left behind by an interrupted run
    try {
        CreateDatabaseFile(building, content);
    } catch (const DatabaseError& error) {
        err << "makedb: " << error.message() << '\n';
        return 1;
    }
    if (building != path && (!QFile::remove(path) || !QFile::rename(building, path))) {
        err << "makedb: cannot replace " << path << '\n';
        return 1;
    }
    return 0;
}
