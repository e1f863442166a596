#include "Form1.h"

#include "Form2.h"
#include "appinfo.h"
#include "qtstrings.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>

using namespace Qt::StringLiterals;
using enum design::Form1Control;

namespace {

QPixmap banner(qreal ratio)
{
    const design::BannerArt art = design::bannerArt(ratio);
    QPixmap pixmap(art.doubleSize ? u":/banner@2x.gif"_s : u":/banner.gif"_s);
    if (art.rescaled)
        pixmap = pixmap.scaled(art.width, art.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
{
    auto *client = new QWidget(this);
    client->setObjectName(u"client"_s);
    controls = buildControls(client, design::form1, design::form1Controls);
    setCentralWidget(client);
    // Decoded once the window is mapped, at the density of the screen it is mapped on.
    beforeFirstFrame(this, [this] { static_cast<QLabel *>(control(Image1))->setPixmap(banner(devicePixelRatio())); });

    menuBar()->setObjectName(u"menubar"_s);
    QMenu *plus = menuBar()->addMenu(qtText(design::menuTitle));
    plus->setObjectName(u"plus"_s);
    plus->addAction(qtText(design::aboutItem), this, &Form1::about_Click)->setObjectName(u"about"_s);
    plus->addAction(qtText(design::quitItem), this, &Form1::quit_Click)->setObjectName(u"quit"_s);

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    resize(sizeHint());
    placeWindow(this, design::form1, menuBar()->sizeHint().height());

    for (const auto id : {force2, endu2, dext2, sag2, intel2, calcul})
        control(id)->installEventFilter(this);
    for (const auto &[button, handler] : design::form1Clicks)
        connect(static_cast<QAbstractButton *>(control(button)), &QAbstractButton::clicked, this,
                [this, handler = handler] { handler(*this); });
}

Form1::~Form1()
{
    delete aboutWindow;
}

// Watched: the button, and the five wanted-value boxes, where text typed through an input
// method (compose keys, dead keys, on-screen keyboards) arrives as a commit, not as a key press.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        return watched == control(calcul) ? calcul_KeyPress(key) : wanted_KeyPress(key);
    }
    if (event->type() == QEvent::InputMethod)
        return !calc::wantedBoxTakes(utf16(static_cast<QInputMethodEvent *>(event)->commitString()));
    return QMainWindow::eventFilter(watched, event);
}

void Form1::changeEvent(QEvent *event)
{
    // The desktop's colour scheme changed: the boxes and captions follow it.
    if (event->type() == QEvent::PaletteChange)
        applyColours(centralWidget(), design::form1, controls, design::form1Controls);
    QMainWindow::changeEvent(event);
}

std::u16string Form1::text(design::Form1Control box) const
{
    return static_cast<QLineEdit *>(control(box))->text().toStdU16String();
}

void Form1::setText(design::Form1Control box, std::u16string_view text)
{
    static_cast<QLineEdit *>(control(box))->setText(qtText(text));
}

calc::NumberFormat Form1::numberFormat() const
{
    return ::numberFormat(QLocale::system());
}

void Form1::reportFailure(calc::Status status)
{
    // The program carries on afterwards, with what the player typed still in place.
    QMessageBox::critical(this, QString::fromUtf8(appinfo::name), qtText(design::runTimeErrorMessage(status)));
}

void Form1::announce([[maybe_unused]] std::u16string_view text)
{
    // Before Qt 6.8 there is no announcing: screen readers hear only of the results' text changing.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(this, qtText(text));
    event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
    QAccessible::updateAccessibility(&event);
#endif
}

// Enter on the focused button presses it, as Space does. With autoDefault the button would do
// it itself, but the style then tints its face as the window's default button's.
bool Form1::calcul_KeyPress(const QKeyEvent &key)
{
    if (key.key() != Qt::Key_Return && key.key() != Qt::Key_Enter)
        return false;
    static_cast<QPushButton *>(control(calcul))->click();
    return true;
}

// Swallows what the box must not take. Tab moves the focus and Delete edits, though Qt gives
// them the characters TAB and DEL: they type nothing.
bool Form1::wanted_KeyPress(const QKeyEvent &key)
{
    const bool types = key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab && key.key() != Qt::Key_Delete;
    return types && !calc::wantedBoxTakes(utf16(key.text()));
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
