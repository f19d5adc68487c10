// accessibility.cpp: a cell is a button named after its place and what it shows; the grid is
// a group, not a window; the scores and the banner have names of their own; the progress bar
// exposes its real maximum and value; the announcer is a notification.
#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>

#include "core/board.h"
#include "design/cell_name.h"
#include "design/form1_design.h"
#include "design/ui_texts.h"
#include "ui/announcer.h"
#include "ui/cell_image.h"
#include "ui/message_box.h"
#include "ui/tenths_progress_bar.h"

namespace torvelle {

namespace {

// Named after its place and what it shows, described by what it shows alone.
class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellImage* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* cell = static_cast<const CellImage*>(widget());
        const int picture = cell->pictureNumber();
        switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(design::cellName(cell->index(), picture));
        case QAccessible::Description: return QString::fromStdString(design::cellSeen(picture));
        default: return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        // A message box open over the board holds its cells, as it holds the mouse.
        const QWidget* modal = QApplication::activeModalWidget();
        if (action != pressAction() || (modal && modal != widget()->window()))
            return;
        // Queued: the click may open a modal box, which must not hold the screen reader's
        // request until it is answered.
        QMetaObject::invokeMethod(static_cast<CellImage*>(widget()), &CellImage::click,
                                  Qt::QueuedConnection);
    }
};

// A control of the window known by its design name, with the role and words a screen
// reader needs: the grid is a group of cells, where Qt would give a plain frame a window's
// role; a score or the banner is named by its own text, even empty, where Qt would name an
// empty label after its group box.
class DesignedAccessible : public QAccessibleWidget {
public:
    DesignedAccessible(QWidget* widget, const design::Control& design)
        : QAccessibleWidget(widget, design.kind == design::Kind::PictureBox
                                        ? QAccessible::Grouping
                                        : QAccessible::StaticText),
          design_(design)
    {}

    QString text(QAccessible::Text t) const override
    {
        const auto* label = qobject_cast<const QLabel*>(widget());
        if (t == QAccessible::Name && design_.accessibleName.empty() && label)
            return label->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
        if (t == QAccessible::Name)
            return displayText(design_.accessibleName);
        if (t == QAccessible::Description)
            return displayText(design_.description);
        return QAccessibleWidget::text(t);
    }

private:
    const design::Control& design_;
};

// What the announcer says, as a notification that screen readers speak when it appears.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<const Announcer*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

class ProgressAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit ProgressAccessible(TenthsProgressBar* bar)
        : QAccessibleWidget(bar, QAccessible::ProgressBar)
    {}

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QVariant currentValue() const override { return bar()->realValue(); }
    QVariant maximumValue() const override { return bar()->realMaximum(); }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.1; }
    void setCurrentValue(const QVariant& /*value*/) override {} // shown, never set by the player

private:
    const TenthsProgressBar* bar() const { return static_cast<const TenthsProgressBar*>(widget()); }
};

QAccessibleInterface* gameAccessibles(const QString& className, QObject* object)
{
    if (className == QLatin1String("torvelle::CellImage"))
        return new CellAccessible(static_cast<CellImage*>(object));
    if (className == QLatin1String("torvelle::TenthsProgressBar"))
        return new ProgressAccessible(static_cast<TenthsProgressBar*>(object));
    if (className == QLatin1String("torvelle::Announcer"))
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    if (className != QLatin1String("QFrame") && className != QLatin1String("QLabel"))
        return nullptr;
    for (const design::Control& design : design::form1::kWindow.controls)
        if (!design.accessibleName.empty() || !design.description.empty())
            if (object->objectName() == QString::fromUtf8(design.name.data(), design.name.size()))
                return new DesignedAccessible(static_cast<QWidget*>(object), design);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(gameAccessibles);
        return true;
    }();
    (void)installed;
}

} // namespace torvelle
