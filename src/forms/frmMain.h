#pragma once
// The main window: the coffee pot, the banner, the promotion band and the
// menus. A click on the pot plays the four-second "Please Wait" animation and
// then reports the drawn symbol; showing the reading is the caller's business.

#include <QMainWindow>

class QLabel;
class QMenu;

namespace forms {

class LinkLabel;
class PictureButton;
class Shape;

class frmMain : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmMain(QWidget *parent = nullptr);

    // The load step, run once when the window is first referred to.
    void Form_Load();

    // Back from a reading hides the dots that the last animation left set.
    void HideDots();

    // Which promotion lies in front, chosen once per run.
    void BringCoBrandToFront();
    void BringFullBrandToFront();

signals:
    // The first dot is up: whatever the reading will need can get ready
    // while the dots fill, so that the reading appears on time.
    void revealStarted();
    // The animation is over: show this reading in place of the main window.
    void revealFinished(const QString &name, const QString &meaning);
    void aboutRequested();
    void unloaded();

public slots:
    void picCoffeePot_Click();
    void mnuExit_Click();
    void mnuAbout_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWorkArea(QWidget *Frame1);

    PictureButton *picCoffeePot = nullptr;
    QWidget *picMessage = nullptr;
    Shape *shp1 = nullptr;
    Shape *shp2 = nullptr;
    Shape *shp3 = nullptr;
    Shape *shp4 = nullptr;
    LinkLabel *lblCobrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    bool m_unloaded = false;
};

} // namespace forms
