#pragma once

#include <QString>

// Shows a finished document to the user. The program opens the file with the desktop's
// default application; tests install a viewer that only records what it was asked to show.
class DocumentViewer {
public:
    virtual ~DocumentViewer() = default;
    // Whether the file could be handed to a program that shows it.
    virtual bool show(const QString& fileName) = 0;
};

// Opens files with the application the desktop associates with their type.
class DesktopViewer : public DocumentViewer {
public:
    bool show(const QString& fileName) override;
};

// Installs the viewer used from now on (not owned); nullptr restores the desktop viewer.
void SetDocumentViewer(DocumentViewer* viewer);
DocumentViewer& CurrentDocumentViewer();
