// accessibility.cpp: a cell is a button named after its row and column; the progress bar
// exposes its real maximum and value.
#include "accessibility.h"

#include <QAccessibleWidget>

#include "board.h"
#include "cell_image.h"
#include "message_box.h"
#include "tenths_progress_bar.h"
#include "ui_texts.h"

namespace torvelle {

namespace {

class CellAccessible : public QAccessibleWidget {
public:
    explicit CellAccessible(CellImage* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        const auto* cell = static_cast<const CellImage*>(widget());
        switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(Board::rowLetter(cell->index()) +
                                          Board::columnNumber(cell->index()));
        case QAccessible::Description: {
            const int picture = cell->pictureNumber();
            if (picture < 1 || picture > static_cast<int>(std::size(ui_texts::kCellSeen)))
                return {};
            return displayText(ui_texts::kCellSeen[picture - 1]);
        }
        default: return QAccessibleWidget::text(t);
        }
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            static_cast<CellImage*>(widget())->click();
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
