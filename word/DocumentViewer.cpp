#include "DocumentViewer.h"

#include <QDesktopServices>
#include <QUrl>

namespace {
DocumentViewer* installedViewer = nullptr;
}

bool DesktopViewer::show(const QString& fileName) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

void SetDocumentViewer(DocumentViewer* viewer) {
    installedViewer = viewer;
}

DocumentViewer& CurrentDocumentViewer() {
    static DesktopViewer desktop;
    return installedViewer ? *installedViewer : desktop;
}
