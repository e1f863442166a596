#include "formbuilder.h"

#include "qtstrings.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QWindow>

#include <cmath>

// A desktop colour number as the palette role that plays its part.
QColor qtColour(design::Colour colour, const QPalette &desktop)
{
    switch (colour) {
    case design::desktopBackground: return qtColour(design::desktopBackgroundStandIn, desktop);
    case design::windowBackground: return desktop.color(QPalette::Base);
    // No palette role plays the window frame; it is black in every usual scheme.
    case design::windowFrame: return Qt::black;
    case design::menuText: return desktop.color(QPalette::WindowText);
    case design::highlight: return desktop.color(QPalette::Highlight);
    case design::highlightText: return desktop.color(QPalette::HighlightedText);
    case design::buttonText: return desktop.color(QPalette::ButtonText);
    default: return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
    }
}

namespace {

QWidget *makeWidget(const design::Control &control, QWidget *client)
{
    using design::Kind;
    const QString caption = qtText(control.caption);
    switch (control.kind) {
    case Kind::Picture:
        return new QLabel(client);
    case Kind::LiveText: {
        // The window announces for it.
        auto *hidden = new QWidget(client);
        hidden->hide();
        return hidden;
    }
    case Kind::Line: {
        auto *line = new QFrame(client);
        line->setFrameShape(control.width > control.height ? QFrame::HLine : QFrame::VLine);
        line->setLineWidth(3);
        return line;
    }
    case Kind::Label:
        return new QLabel(caption, client);
    case Kind::Option:
        return new QRadioButton(caption, client);
    case Kind::TextBox: {
        auto *box = new QLineEdit(client);
        box->setEnabled(!(control.flags & design::Disabled));
        box->setReadOnly(control.flags & design::ReadOnly);
        if (const int length = design::typedLength(control.flags))
            box->setMaxLength(length);
        return box;
    }
    case Kind::Button:
        return new QPushButton(caption, client);
    case Kind::RichText: {
        auto *box = new QTextEdit(client);
        box->setReadOnly(control.flags & design::ReadOnly);
        box->setUndoRedoEnabled(false);
        box->setTabChangesFocus(true);
        return box;
    }
    }
    return nullptr;
}

// A scroll area, such as a text box, shows its viewport's background rather than its own.
QPalette::ColorRole backgroundRole(const QWidget *widget)
{
    if (const auto *area = qobject_cast<const QAbstractScrollArea *>(widget))
        return area->viewport()->backgroundRole();
    return widget->backgroundRole();
}

void paint(QWidget *widget, design::Colour foreground, design::Colour background)
{
    const QPalette desktop = QApplication::palette(widget);
    QPalette palette = widget->palette();
    if (foreground != design::noColour)
        palette.setColor(widget->foregroundRole(), qtColour(foreground, desktop));
    if (background != design::noColour) {
        palette.setColor(backgroundRole(widget), qtColour(background, desktop));
        widget->setAutoFillBackground(true);
    }
    // Styles draw a box's frame from the Window colour: on a black form the boxes would lose
    // their outline, so they keep the desktop's.
    if (backgroundRole(widget) != QPalette::Window)
        palette.setColor(QPalette::Window, desktop.color(QPalette::Window));
    widget->setPalette(palette);
}

// Calls its work when its window is first exposed, before that window draws its first frame.
class BeforeFirstFrame : public QObject
{
public:
    BeforeFirstFrame(QWidget *window, std::function<void()> work)
        : QObject(window), pendingWork(std::move(work))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(parent());
        if (watched == window && event->type() == QEvent::Show) {
            // Expose events go to the native window, which exists once the widget is shown.
            window->removeEventFilter(this);
            window->windowHandle()->installEventFilter(this);
        } else if (watched != window && event->type() == QEvent::Expose && window->windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            pendingWork();
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> pendingWork;
};

// Each label grows to its caption's ink where the design leaves it room.
void fitCaptions(const design::Window &window, std::span<const design::Control> table, const Controls &controls)
{
    for (qsizetype row = 0; row < controls.size(); ++row) {
        const design::Control &control = table[std::size_t(row)];
        if (control.kind != design::Kind::Label)
            continue;
        const QRectF ink = QFontMetricsF(controls[row]->font()).tightBoundingRect(qtText(control.caption));
        const int room = design::roomFor(table, std::size_t(row), window.clientWidth);
        controls[row]->resize(design::captionWidth(control.width, room, int(std::ceil(ink.right()))), control.height);
    }
}

} // namespace

void beforeFirstFrame(QWidget *window, std::function<void()> work)
{
    new BeforeFirstFrame(window, std::move(work));
}

Controls buildControls(QWidget *client, const design::Window &window, std::span<const design::Control> table)
{
    client->setFixedSize(window.clientWidth, window.clientHeight);
    Controls controls;
    for (const design::Control &control : table) {
        QWidget *widget = makeWidget(control, client);
        widget->setObjectName(QLatin1StringView(control.name));
        if (control.font.face) {
            QFont font;
            font.setFamilies({qtText(control.font.face)});
            font.setPointSizeF(control.font.centipoints / 100.0);
            font.setBold(control.font.bold);
            widget->setFont(font);
        }
        // The banner is named by its caption; a box whose text changes all the time, by a name
        // of its own. Each setting tells the accessibility framework: only those that say something.
        if (const wchar_t *name = control.kind == design::Kind::Picture ? control.caption : control.accessibleName)
            widget->setAccessibleName(qtText(name));
        if (control.description)
            widget->setAccessibleDescription(qtText(control.description));
        widget->setGeometry(control.x, control.y, control.width, control.height);
        if (!controls.isEmpty() && design::boxNamedBy(table, std::size_t(controls.size() - 1)) == &control)
            static_cast<QLabel *>(controls.back())->setBuddy(widget);
        controls.append(widget);
    }
    applyColours(client, window, controls, table);
    // Measuring a caption, even its advance, loads its font and shapes it: done before the window
    // was mapped, that held back its appearing more than anything else. Its first frame needs it.
    beforeFirstFrame(client->window(), [window, table, controls] { fitCaptions(window, table, controls); });
    return controls;
}

void applyColours(QWidget *client, const design::Window &window, const Controls &controls,
                  std::span<const design::Control> table)
{
    for (qsizetype row = 0; row < controls.size(); ++row) {
        const design::Control &control = table[std::size_t(row)];
        // The Windows program fills a line with its colour; Qt draws it as the foreground.
        if (control.kind == design::Kind::Line)
            paint(controls[row], control.background, design::noColour);
        else if (control.foreground != design::noColour || control.background != design::noColour)
            paint(controls[row], control.foreground, control.background);
    }
    if (window.background != design::noColour)
        paint(client, design::noColour, window.background);
}

void placeWindow(QWidget *window, const design::Window &design, int menuBarHeight)
{
    window->setObjectName(QLatin1StringView(design.name));
    window->setWindowTitle(qtText(design.title));
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // The geometry, unlike move(), places the client area: the window frame comes around it.
    // The origin is on the primary screen, wherever that lies among the desktop's screens.
    const QPoint screenOrigin = QGuiApplication::primaryScreen()->geometry().topLeft();
    window->setGeometry(QRect(screenOrigin + QPoint(design.clientX, design.clientY - menuBarHeight), window->size()));
}
