#include "Form1.h"

#include "Form2.h"
#include "appinfo.h"
#include "application.h"
#include "digitrule.h"
#include "formdesign.h"
#include "level.h"
#include "qtnumbers.h"
#include "texts.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QMessageBox>

#include <array>

using namespace Qt::StringLiterals;

namespace {

// Where the calculator's own area, below the menu bar, opens on the screen.
constexpr QPoint clientOrigin{387, 190};

// The banner at its own size in logical pixels. High-density screens get it from the
// double-size artwork, brought to their exact ratio, never blurred by scaling up.
QPixmap banner(QSize size, qreal ratio)
{
    QPixmap art(ratio > 1 ? u":/banner@2x.gif"_s : u":/banner.gif"_s);
    const QSize onScreen = size * ratio;
    if (art.size() != onScreen)
        art = art.scaled(onScreen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    art.setDevicePixelRatio(ratio);
    return art;
}

using BoxTexts = std::array<QString, 5>;

calc::StatTexts statTexts(const BoxTexts &texts)
{
    return {utf16(texts[0]), utf16(texts[1]), utf16(texts[2]), utf16(texts[3]), utf16(texts[4])};
}

} // namespace

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    ui.setupUi(this);
    applyFormDesign(ui.client);
    ui.Image1->setPixmap(banner(ui.Image1->size(), devicePixelRatio()));

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    resize(sizeHint());
    makeFixedWindow(this, clientOrigin - QPoint(0, ui.menubar->sizeHint().height()));

    for (QLineEdit *box : {ui.force2, ui.endu2, ui.dext2, ui.sag2, ui.intel2})
        box->installEventFilter(this);
    ui.calcul->installEventFilter(this);

    connect(ui.calcul, &QPushButton::clicked, this, &Form1::calcul_Click);
    connect(ui.x1, &QRadioButton::clicked, this, &Form1::x1_Click);
    connect(ui.x2, &QRadioButton::clicked, this, &Form1::x2_Click);
    connect(ui.x3, &QRadioButton::clicked, this, &Form1::x3_Click);
    connect(ui.about, &QAction::triggered, this, &Form1::about_Click);
    connect(ui.quit, &QAction::triggered, this, &Form1::quit_Click);
}

Form1::~Form1()
{
    delete aboutWindow;
}

// Watched: the five wanted-value boxes, where text typed through an input method (compose
// keys, dead keys, on-screen keyboards) arrives as a commit, not as a key press; and the button.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.calcul)
        return event->type() == QEvent::KeyPress && calcul_KeyPress(*static_cast<QKeyEvent *>(event));
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!calc::wantedBoxTakes(utf16(static_cast<QKeyEvent *>(event)->text())))
            return true;
        break;
    case QEvent::InputMethod:
        if (!calc::wantedBoxTakes(utf16(static_cast<QInputMethodEvent *>(event)->commitString())))
            return true;
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent *event)
{
    // The desktop's colour scheme changed: the boxes and captions follow it.
    if (event->type() == QEvent::PaletteChange)
        applyFormDesign(ui.client);
    QMainWindow::changeEvent(event);
}

void Form1::calcul_Click()
{
    const BoxTexts base{ui.force->text(), ui.endu->text(), ui.dext->text(), ui.sag->text(), ui.intel->text()};
    const BoxTexts wanted{ui.force2->text(), ui.endu2->text(), ui.dext2->text(), ui.sag2->text(),
                          ui.intel2->text()};
    const calc::LevelResult result = calc::computeLevel(statTexts(base), statTexts(wanted),
                                                        numberFormat(QLocale::system()));
    if (result.status != calc::Status::Ok) {
        reportFailure(result.status);
        return;
    }
    ui.final->setText(QString::fromStdU16String(result.level));
    ui.comp->setText(QString::fromStdU16String(result.skillPoints));
}

// Enter on the focused button presses it, as Space does. With autoDefault the button would do
// it itself, but the style then tints its face as the window's default button's.
bool Form1::calcul_KeyPress(const QKeyEvent &key)
{
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    ui.calcul->click();
    return true;
}

void Form1::x1_Click()
{
    aff(u"25"_s);
}

void Form1::x2_Click()
{
    aff(u"30"_s);
}

void Form1::x3_Click()
{
    aff(u"35"_s);
}

void Form1::about_Click()
{
    // One about window at most: shown again as it is, hidden or not, with its text as far
    // as it has got. Its close box destroys it, and then a new one starts from nothing.
    if (!aboutWindow)
        aboutWindow = new Form2;
    aboutWindow->show();
    aboutWindow->raise();
    aboutWindow->activateWindow();
}

void Form1::quit_Click()
{
    // At once: nothing to save, nothing to ask.
    QCoreApplication::exit();
}

void Form1::aff(const QString &level1Value)
{
    for (QLineEdit *box : {ui.endu, ui.dext, ui.sag, ui.intel, ui.force})
        box->setText(level1Value);
}

void Form1::reportFailure(calc::Status status)
{
    // Worded as the run-time errors that players already know; the program carries on
    // afterwards, with what they typed still in place.
    QMessageBox::critical(this, QString::fromUtf8(appinfo::name),
                          QString::fromStdU16String(design::runTimeErrorMessage(status)));
}
