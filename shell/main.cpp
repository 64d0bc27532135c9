#include "Helpers.h"
#include "SystemInfo.h"
#include "WidgetPrompter.h"
#include "WorkWindows.h"
#include "frmEdit.h"
#include "frmdataoutorin.h"
#include "frmgrzl.h"
#include "frmmain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    SetShortDateFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(ApplicationTitle);
    WidgetPrompter prompter;
    SetPrompter(&prompter);
    RegisterWorkWindow(QStringLiteral("Tfrm_dataoutOrin"), &OpenModal<Tfrm_dataoutOrin>);
    RegisterWorkWindow(QStringLiteral("Tfrm_grzl"), &OpenModal<Tfrm_grzl>);
    RegisterWorkWindow(QStringLiteral("Tfrm_Edit"), &OpenModal<Tfrm_Edit>);

    Tfrm_main mainWindow(QApplication::applicationDirPath());
    mainWindow.show();
    const int result = QApplication::exec();
    SetPrompter(nullptr);
    return result;
}
