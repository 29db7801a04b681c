#pragma once

#include <QTimer>
#include <QWidget>

class QComboBox;
class QLabel;
class QTextBrowser;
class QToolBar;

// The help browser: a toolbar, an address box and the page; its caption follows the page.
namespace auxwin {

class frmBrowser : public QWidget {
public:
    explicit frmBrowser(QWidget& mainWindow);

    void Form_Load();
    void Form_Resize();
    void Navigate(const QString& address);
    void cboAddress_Click();
    void tbToolBar_ButtonClick(const QString& key);
    void timTimer_Timer();
    QString LocationName() const;

    QToolBar* tbToolBar;
    QWidget* picAddress;
    QLabel* lblAddress;
    QComboBox* cboAddress;
    QTextBrowser* brwWebBrowser;
    QTimer timTimer;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;  // Form_Unload

private:
    QWidget& mainWindow_;
};

// The menu command "Ovládání Mechíka": the help page of the program's folder.
frmBrowser* mnuhtm_Click(QWidget& mainWindow, const QString& programFolder);

}  // namespace auxwin
