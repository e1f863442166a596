#include "formdesign.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QMetaEnum>
#include <QWidget>

namespace {

QColor designColour(const QString &name, const QPalette &desktop)
{
    if (name.isEmpty())
        return {};
    if (name.startsWith(u'#'))
        return QColor::fromString(name);
    // The window frame has no palette role; it is black in every usual scheme.
    if (name == u"WindowFrame")
        return Qt::black;
    bool known = false;
    const int role = QMetaEnum::fromType<QPalette::ColorRole>().keyToValue(name.toLatin1(), &known);
    if (!known) {
        qWarning("applyFormDesign: no colour named \"%s\"", qPrintable(name));
        return {};
    }
    return desktop.color(QPalette::ColorRole(role));
}

// A scroll area, such as a text box, shows its viewport's background rather than its own.
QPalette::ColorRole backgroundRole(const QWidget *widget)
{
    if (const auto *area = qobject_cast<const QAbstractScrollArea *>(widget))
        return area->viewport()->backgroundRole();
    return widget->backgroundRole();
}

} // namespace

void applyFormDesign(QWidget *form)
{
    const QList<QWidget *> widgets = form->findChildren<QWidget *>() << form;
    for (QWidget *widget : widgets) {
        // The desktop's palette for this kind of widget: a theme may give text boxes their own.
        const QPalette desktop = QApplication::palette(widget);
        const QVariant foreground = widget->property("foreground");
        const QVariant background = widget->property("background");
        if (foreground.isValid() || background.isValid()) {
            QPalette palette = widget->palette();
            if (const QColor colour = designColour(foreground.toString(), desktop); colour.isValid())
                palette.setColor(widget->foregroundRole(), colour);
            if (const QColor colour = designColour(background.toString(), desktop); colour.isValid()) {
                palette.setColor(backgroundRole(widget), colour);
                widget->setAutoFillBackground(true);
            }
            // Styles draw a box's frame from the Window colour: on a black form the boxes
            // would lose their outline, so they keep the desktop's.
            if (backgroundRole(widget) != QPalette::Window)
                palette.setColor(QPalette::Window, desktop.color(QPalette::Window));
            widget->setPalette(palette);
        }
        if (const QVariant size = widget->property("pointSizeF"); size.isValid()) {
            QFont font = widget->font();
            font.setPointSizeF(size.toDouble());
            widget->setFont(font);
        }
    }
}
