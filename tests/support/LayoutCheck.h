#pragma once
// A layout audit of a shown widget tree: every visible label, button, radio and check box shows
// its whole text (by its font's metrics, inside the area the style draws the text in), no two
// sibling texts overlap, every visible control lies inside its parent, and every grid row that
// shows text is at least as high as the font the grid draws it with.
// A font a fitting helper chose below the one asked for is a fault where the one asked for fits:
// by the helper's own word, or by every text of the fit on view in the room it is drawn in
// (WatchFittedFonts collects the helpers' choices).
// CheckLayout returns one failure string per fault, naming the control, its text and `where`;
// CheckEveryRow does the same for every row of a list, scrolled through.

#include "LexGrid.h"
#include "ScreenForm.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

#include <map>
#include <vector>

namespace layoutcheck {

// The text a control shows and the area it may take, both in the control's own coordinates.
struct TextNeed {
    QString Text;
    QSize Needed;
    QRect Area;
    int Align = Qt::AlignLeft | Qt::AlignVCenter;
    bool Valid = false;
};

inline QString Name(const QWidget* w)
{
    const QString cls = QString::fromLatin1(w->metaObject()->className());
    return w->objectName().isEmpty() ? cls : w->objectName() + " (" + cls + ")";
}

inline QString Shown(const QString& text)
{
    QString t = text;
    t.replace('\n', "\\n");
    return t.size() > 60 ? t.left(57) + "..." : t;
}

inline QString FontName(const QFont& f)
{
    return QStringLiteral("%1 %2pt").arg(f.family()).arg(f.pointSize());
}

// Plain text with its mnemonic ampersands as the control draws them.
inline QString WithoutMnemonics(QString text)
{
    text.replace("&&", QChar(0x1));
    text.remove('&');
    text.replace(QChar(0x1), "&");
    return text;
}

inline QSize PlainTextSize(const QFontMetrics& fm, const QString& text)
{
    int width = 0;
    const QStringList lines = text.split('\n');
    for (const QString& line : lines)
        width = std::max(width, fm.horizontalAdvance(line));
    return {width, static_cast<int>(lines.size()) * fm.height() + (static_cast<int>(lines.size()) - 1) * fm.leading()};
}

inline TextNeed LabelNeed(const QLabel* label)
{
    TextNeed need;
    if (label->text().isEmpty() || label->pixmap().toImage().width() > 0)
        return need;
    const QFontMetrics fm = label->fontMetrics();
    const int margin = label->margin();
    need.Align = static_cast<int>(label->alignment());
    need.Area = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    need.Text = label->text();
    if (label->wordWrap()) {
        // The widest word must fit, and the wrapped lines must fit the height.
        const QRect wrapped = fm.boundingRect(QRect(0, 0, need.Area.width(), 100000),
                                              Qt::TextWordWrap | (need.Align & Qt::AlignHorizontal_Mask), need.Text);
        int widest = 0;
        for (const QString& word : need.Text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
            widest = std::max(widest, fm.horizontalAdvance(word));
        need.Needed = QSize(widest, wrapped.height());
    } else {
        need.Needed = PlainTextSize(fm, need.Text);
    }
    need.Valid = !need.Text.trimmed().isEmpty();
    return need;
}

inline TextNeed ButtonNeed(const QAbstractButton* button)
{
    TextNeed need;
    need.Text = WithoutMnemonics(button->text());
    if (need.Text.trimmed().isEmpty())
        return need;
    QStyleOptionButton opt;
    opt.initFrom(button);
    opt.text = button->text();
    QStyle* style = button->style();
    const QFontMetrics fm = button->fontMetrics();
    need.Needed = PlainTextSize(fm, need.Text);
    if (qobject_cast<const QRadioButton*>(button)) {
        need.Area = style->subElementRect(QStyle::SE_RadioButtonContents, &opt, button);
    } else if (qobject_cast<const QCheckBox*>(button)) {
        need.Area = style->subElementRect(QStyle::SE_CheckBoxContents, &opt, button);
    } else if (auto* tool = qobject_cast<const QToolButton*>(button)) {
        if (tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
            return need;
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        need.Area = button->rect().adjusted(frame, frame, -frame, -frame);
        need.Align = Qt::AlignCenter;
        if (tool->toolButtonStyle() == Qt::ToolButtonTextUnderIcon && !tool->icon().isNull()) {
            // The glyph and 4 pixels stand above the caption.
            need.Needed.rheight() += tool->iconSize().height() + 4;
            need.Needed.rwidth() = std::max(need.Needed.width(), tool->iconSize().width());
        }
    } else {
        if (auto* push = qobject_cast<const QPushButton*>(button)) {
            if (push->autoDefault())
                opt.features |= QStyleOptionButton::AutoDefaultButton;
            if (push->isFlat())
                opt.features |= QStyleOptionButton::Flat;
        }
        need.Area = style->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
        need.Align = Qt::AlignCenter;
    }
    need.Valid = true;
    return need;
}

inline TextNeed NeedOf(const QWidget* w)
{
    if (auto* label = qobject_cast<const QLabel*>(w))
        return LabelNeed(label);
    if (auto* button = qobject_cast<const QAbstractButton*>(w))
        return ButtonNeed(button);
    return {};
}

// Where the text is drawn, in the parent's coordinates.
inline QRect TextRectInParent(const QWidget* w, const TextNeed& need)
{
    const QSize size(std::min(need.Needed.width(), need.Area.width()), std::min(need.Needed.height(), need.Area.height()));
    const QRect r = QStyle::alignedRect(w->layoutDirection(), Qt::Alignment(need.Align), size, need.Area);
    return r.translated(w->pos());
}

// The round or square mark of a radio or check box, in the parent's coordinates; else empty.
inline QRect MarkInParent(const QWidget* w)
{
    const bool radio = qobject_cast<const QRadioButton*>(w);
    if (!radio && !qobject_cast<const QCheckBox*>(w))
        return {};
    QStyleOptionButton opt;
    opt.initFrom(w);
    const QRect mark = w->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator : QStyle::SE_CheckBoxIndicator,
                                                  &opt, w);
    return mark.translated(w->pos());
}

// How far a radio's or check box's text stands from its own mark; 0 for other controls.
inline int MarkSpacing(const QWidget* w)
{
    if (qobject_cast<const QRadioButton*>(w))
        return w->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, w);
    if (qobject_cast<const QCheckBox*>(w))
        return w->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
    return 0;
}

// A paint device that keeps every text item drawn on it, with its font and baseline point.
class TextRecorder : public QPaintDevice {
public:
    struct Item {
        QPointF Baseline;
        QFont Font;
        QString Text;
        QRect Room;  // the clip it is drawn in, else the whole widget
    };
    explicit TextRecorder(const QWidget* source) : source_(source), engine_(this) {}
    std::vector<Item> Items;

    QPaintEngine* paintEngine() const override { return &engine_; }

protected:
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return source_->width();
        case PdmHeight: return source_->height();
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(QPaintDevice::devicePixelRatioFScale());
        case PdmDpiX:
        case PdmPhysicalDpiX: return source_->logicalDpiX();
        case PdmDpiY:
        case PdmPhysicalDpiY: return source_->logicalDpiY();
        default: return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(TextRecorder* owner) : QPaintEngine(AllFeatures), owner_(owner) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override
        {
            const QPainter* painter = state->painter();
            const QRect room = painter->hasClipping()
                                   ? state->transform().mapRect(painter->clipBoundingRect()).toAlignedRect()
                                   : owner_->source_->rect();
            owner_->Items.push_back({state->transform().map(p), item.font(), item.text(), room});
        }
        Type type() const override { return User; }

    private:
        TextRecorder* owner_;
    };
    const QWidget* source_;
    mutable Engine engine_;
};

// A text on view: its font and the room it has (a painted text's clip, a control's text area).
struct Drawn {
    QString Text;
    QFont Font;
    QRect Room;
    const QWidget* Widget;
};

inline void Keep(std::vector<Drawn>* drawn, const QWidget* w, const TextRecorder& recorder)
{
    if (drawn)
        for (const TextRecorder::Item& item : recorder.Items)
            drawn->push_back({item.Text, item.Font, item.Room, w});
}

// Rows of a grid that draw text are at least the line height of the font drawn in them.
inline void CheckGrid(LexGrid* grid, const QString& where, QStringList& failures, std::vector<Drawn>* drawn = nullptr)
{
    TextRecorder recorder(grid);
    grid->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    Keep(drawn, grid, recorder);
    std::map<int, QString> failedRows;  // one failure per row
    for (const TextRecorder::Item& item : recorder.Items) {
        if (item.Text.trimmed().isEmpty())
            continue;
        const QFontMetrics fm(item.Font, grid);
        const QPoint middle(qRound(item.Baseline.x()) + 1, qRound(item.Baseline.y() - fm.ascent() + fm.height() / 2.0));
        const QPoint cell = grid->MouseToCell(middle);
        if (cell.x() < 0)
            continue;
        const int height = grid->RowHeight(cell.y());
        if (height < fm.height() && !failedRows.count(cell.y()))
            failedRows[cell.y()] = QStringLiteral("%1: grid %2 row %3 is %4 px high, its text \"%5\" needs %6 (%7)")
                                       .arg(where, Name(grid)).arg(cell.y()).arg(height)
                                       .arg(Shown(item.Text)).arg(fm.height()).arg(FontName(item.Font));
    }
    for (const auto& [row, failure] : failedRows)
        failures << failure;
}

// A widget that paints its own texts keeps each of them inside its rectangle.
inline void CheckPaintedTexts(QWidget* w, const QString& where, QStringList& failures, std::vector<Drawn>* drawn = nullptr)
{
    TextRecorder recorder(w);
    w->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
    Keep(drawn, w, recorder);
    for (const TextRecorder::Item& item : recorder.Items) {
        if (item.Text.trimmed().isEmpty())
            continue;
        const QFontMetrics fm(item.Font, w);
        const QRect box(qRound(item.Baseline.x()), qRound(item.Baseline.y()) - fm.ascent(),
                        fm.horizontalAdvance(item.Text), fm.height());
        if (!w->rect().contains(box)) {
            failures << QStringLiteral("%1: %2 paints \"%3\" at (%4,%5 %6x%7), outside its %8x%9 (%10)")
                            .arg(where, Name(w), Shown(item.Text)).arg(box.x()).arg(box.y()).arg(box.width())
                            .arg(box.height()).arg(w->width()).arg(w->height()).arg(FontName(item.Font));
            return;  // one text tells the fault
        }
    }
}

// Every row of a list, scrolled through page by page, not only the rows on view: each text
// stands inside its own cell, in the face asked for, at the size asked for wherever that fits
// the cell, else at the largest point size that does.
inline void CheckEveryRow(LexGrid* grid, const QFont& wanted, const QString& where, QStringList& failures)
{
    const int shownTop = grid->TopRow();
    std::map<QPoint, QString, bool (*)(const QPoint&, const QPoint&)> failed(
        [](const QPoint& a, const QPoint& b) { return std::pair(a.y(), a.x()) < std::pair(b.y(), b.x()); });
    for (int top = 0;;) {
        grid->SetTopRow(top);
        TextRecorder recorder(grid);
        grid->render(&recorder, QPoint(), QRegion(), QWidget::RenderFlags());
        for (const TextRecorder::Item& item : recorder.Items) {
            const QString ink = item.Text.trimmed();
            if (ink.isEmpty())
                continue;
            // The painter is clipped to the cell: the clip names it.
            const QPoint cell = grid->MouseToCell(item.Room.center());
            const QRect rect = grid->CellRect(cell.x(), cell.y());
            if (cell.x() < 0 || !rect.isValid() || failed.count(cell))
                continue;
            const QFontMetrics fm(item.Font, grid);
            const QString lead = item.Text.left(item.Text.indexOf(ink));
            const int start = qRound(item.Baseline.x());
            const int left = start + fm.horizontalAdvance(lead);
            // Measured as one run with its blanks, as it is drawn: parts rounded one by one
            // would add up to a pixel more.
            const int right = start + fm.horizontalAdvance(lead + ink);
            // A larger size fits when the text and the blanks it keeps inside its cell do.
            const QString kept = (start >= rect.left() ? lead : QString()) + ink;
            auto larger = [&] {
                QFont font = item.Font;
                font.setPointSize(item.Font.pointSize() + 1);
                return font;
            };
            auto largerFits = [&] { return QFontMetrics(larger(), grid).horizontalAdvance(kept) <= rect.width(); };
            // Worded only for a fault: worded for every cell, it took a fifth of a list walk's time.
            auto what = [&] {
                return QStringLiteral("%1: grid %2 row %3 column %4 \"%5\" at %6")
                    .arg(where, Name(grid)).arg(cell.y()).arg(cell.x()).arg(Shown(ink), FontName(item.Font));
            };
            if (left < rect.left() || right > rect.left() + rect.width())
                failed[cell] = what() + QStringLiteral(" runs out of its cell (x %1 to %2 in %3 to %4)")
                                            .arg(left).arg(right).arg(rect.left()).arg(rect.left() + rect.width());
            else if (item.Font.family() != wanted.family() || item.Font.bold() != wanted.bold() ||
                     item.Font.pointSize() > wanted.pointSize())
                failed[cell] = what() + QStringLiteral(" is not in the list's font (%1)").arg(FontName(wanted));
            else if (item.Font.pointSize() < wanted.pointSize() && largerFits())
                failed[cell] = what() + QStringLiteral(" is smaller than it needs: %1 fits").arg(FontName(larger()));
        }
        const int next = grid->TopRow() + std::max(1, grid->VisibleRowCount());
        if (next >= grid->RowCount() || grid->TopRow() < top)
            break;
        top = next;
    }
    grid->SetTopRow(shownTop);
    for (const auto& [cell, failure] : failed)
        failures << failure;
}

// The fitting helpers' choices since WatchFittedFonts, the latest of each kind.
inline std::map<QString, FontFit>& FittedFonts()
{
    static std::map<QString, FontFit> fits;
    return fits;
}

inline bool SameSize(const QFont& a, const QFont& b)
{
    return a.family() == b.family() && a.pointSizeF() == b.pointSizeF() && a.bold() == b.bold();
}

// Collects the helpers' choices from now on, forgetting earlier ones (call it at each new scene).
// Only a font given smaller than asked can be a fault; a list walk fits every row, so the others
// are not kept.
inline void WatchFittedFonts()
{
    FittedFonts().clear();
    FontFitWatcher = [](const FontFit& fit) {
        if (!SameSize(fit.Given, fit.Wanted))
            FittedFonts()[fit.Texts.join('\n') + fit.Wanted.toString() + fit.Given.toString()] = fit;
    };
}

// Every fitted font given smaller than asked, where the one asked for fits.
inline void CheckFittedFonts(const std::vector<Drawn>& drawn, const QString& where, QStringList& failures)
{
    for (const auto& [key, fit] : FittedFonts()) {
        if (SameSize(fit.Given, fit.Wanted))
            continue;
        bool onView = !fit.Texts.isEmpty();
        bool wantedFits = true;
        const QWidget* shownBy = nullptr;
        for (const QString& text : fit.Texts) {
            bool seen = false;
            for (const Drawn& d : drawn)
                if (d.Text == text && SameSize(d.Font, fit.Given)) {
                    seen = true;
                    shownBy = d.Widget;
                    const QSize need = PlainTextSize(QFontMetrics(fit.Wanted, d.Widget), text);
                    wantedFits = wantedFits && need.width() <= d.Room.width() && need.height() <= d.Room.height();
                }
            onView = onView && seen;
        }
        if (fit.WantedFits || (onView && wantedFits))
            failures << QStringLiteral("%1: %2 \"%3\" is given %4 where %5 fits")
                            .arg(where, shownBy ? Name(shownBy) : QStringLiteral("a fitted font for"),
                                 Shown(fit.Texts.join(" | ")), FontName(fit.Given), FontName(fit.Wanted));
    }
}

// Widgets that are parts of a composite control, laid out by Qt itself.
inline bool InsideComposite(const QWidget* w, const QWidget* root)
{
    for (const QWidget* p = w->parentWidget(); p && p != root->parentWidget(); p = p->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(p) || qobject_cast<const QComboBox*>(p) ||
            qobject_cast<const QAbstractScrollArea*>(p) || qobject_cast<const LexGrid*>(p))
            return true;
    return false;
}

}  // namespace layoutcheck

// Audits root and every visible widget below it. Exempt names controls (by object name) that
// are left out on purpose; the caller says why.
inline QStringList CheckLayout(QWidget* root, const QString& where, const QStringList& exempt = {})
{
    using namespace layoutcheck;
    QStringList failures;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    std::map<QWidget*, std::vector<std::pair<QWidget*, QRect>>> textsByParent;
    std::vector<Drawn> drawn;
    for (QWidget* w : widgets) {
        if (!w->isVisible() || w->isWindow() || InsideComposite(w, root) ||
            (!w->objectName().isEmpty() && exempt.contains(w->objectName())))
            continue;
        QWidget* parent = w->parentWidget();
        const TextNeed need = NeedOf(w);
        const QString what = need.Valid ? Name(w) + " \"" + Shown(need.Text) + "\"" : Name(w);
        // A frame may hang its own border line outside its parent to hide it; its contents may not.
        auto* frame = qobject_cast<QFrame*>(w);
        const QRect placed = frame ? frame->contentsRect().translated(w->pos()) : w->geometry();
        if (!parent->rect().contains(placed) && !placed.isEmpty())
            failures << QStringLiteral("%1: %2 at (%3,%4 %5x%6) is not inside %7 (%8x%9)")
                            .arg(where, what).arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())
                            .arg(Name(parent)).arg(parent->width()).arg(parent->height());
        // Panels may run under the window's edge; the controls on them may not.
        else if (!w->window()->rect().contains(placed.translated(parent->mapTo(w->window(), QPoint()))) &&
                 !placed.isEmpty() && w->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).isEmpty())
            failures << QStringLiteral("%1: %2 at (%3,%4 %5x%6) reaches out of the window (%7x%8)")
                            .arg(where, what).arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height())
                            .arg(w->window()->width()).arg(w->window()->height());
        if (auto* grid = qobject_cast<LexGrid*>(w))
            CheckGrid(grid, where, failures, &drawn);
        else if (!need.Valid && !w->inherits("QAbstractButton") && !w->inherits("QLabel") &&
                 !w->inherits("QLineEdit") && !w->inherits("QAbstractSpinBox"))  // edits scroll their text
            CheckPaintedTexts(w, where, failures, &drawn);
        if (!need.Valid)
            continue;
        drawn.push_back({need.Text, w->font(), need.Area, w});
        if (need.Needed.width() > need.Area.width() || need.Needed.height() > need.Area.height())
            failures << QStringLiteral("%1: %2 needs %3x%4 for its text, has %5x%6 (%7)")
                            .arg(where, what).arg(need.Needed.width()).arg(need.Needed.height())
                            .arg(std::max(0, need.Area.width())).arg(std::max(0, need.Area.height()))
                            .arg(FontName(w->font()));
        textsByParent[parent].push_back({w, TextRectInParent(w, need)});
    }
    // A sibling's text over another's hides one of them; a radio's or check box's text nearer
    // the next one's mark than to its own reads as run into it.
    for (const auto& [parent, texts] : textsByParent)
        for (size_t i = 0; i < texts.size(); ++i)
            for (size_t j = 0; j < texts.size(); ++j) {
                const QString pair = QStringLiteral("%2 \"%3\" and %4 \"%5\"")
                                         .arg(Name(texts[i].first), Shown(NeedOf(texts[i].first).Text),
                                              Name(texts[j].first), Shown(NeedOf(texts[j].first).Text));
                if (j > i && texts[i].second.intersects(texts[j].second))
                    failures << QStringLiteral("%1: the texts of %2 overlap").arg(where, pair);
                else if (const int spacing = MarkSpacing(texts[i].first);
                         j != i && spacing > 0 &&
                         texts[i].second.adjusted(0, 0, spacing, 0).intersects(MarkInParent(texts[j].first)))
                    failures << QStringLiteral("%1: too little gap between the text and the mark of %2").arg(where, pair);
            }
    CheckFittedFonts(drawn, where, failures);
    return failures;
}
