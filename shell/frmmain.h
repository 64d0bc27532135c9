#pragma once

#include <QMainWindow>

class QAction;
class QLabel;
class QMenu;
class TLabelButton;

// The program's only top-level window: a dashboard of three buttons over a background
// picture, the status bar with the login year, a hidden menu bar, and the command
// dispatcher that opens every work window modally.
class Tfrm_main : public QMainWindow {
    Q_OBJECT
public:
    // programFolder is the folder of the executable; SystemInfo is filled from it.
    explicit Tfrm_main(const QString& programFolder, QWidget* parent = nullptr);

    // Runs the command of the given number (menu items and dashboard buttons).
    void DispatchCommand(int command);

public Q_SLOTS:
    void FormActivate();
    void pnlMainResize();

    void dxBtnyhglClick() { DispatchCommand(1); }
    void dxBtnareaClick() { DispatchCommand(2); }
    void dxBtnedusetClick() { DispatchCommand(3); }
    void dxBtndwlbClick() { DispatchCommand(4); }
    void dxBtnexitClick() { DispatchCommand(5); }
    void dxBtngrzlClick() { DispatchCommand(11); }
    void dxBtnfirstshClick() { DispatchCommand(21); }
    void dxBtnspecClick() { DispatchCommand(22); }
    void dxBtnmavinClick() { DispatchCommand(31); }
    void dxBtnmavinhzClick() { DispatchCommand(41); }
    void dxBtnpersonhzClick() { DispatchCommand(42); }
    void dxbthzClick() { DispatchCommand(43); }
    void dxBtndataoutClick() { DispatchCommand(51); }
    void dxBtndatainClick() { DispatchCommand(52); }

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(const QString& programFolder);
    void buildMenus();
    void buildStatusBar();
    void buildDashboard();
    QAction* addCommandItem(const char* name, const QString& caption, const char* category,
                            void (Tfrm_main::*handler)());

    QWidget* pnlMain = nullptr;
    QLabel* Img_Main = nullptr;
    bool imageAutoSize_ = true;
    TLabelButton* dossierButton_ = nullptr;
    TLabelButton* exportButton_ = nullptr;
    TLabelButton* exitButton_ = nullptr;
    QLabel* serverValue_ = nullptr;
    QLabel* yearValue_ = nullptr;
    QLabel* userValue_ = nullptr;
    QString serverName_; // never filled: the server item stays empty
    bool activated_ = false;
};
