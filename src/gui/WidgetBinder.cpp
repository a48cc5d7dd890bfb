#include "WidgetBinder.h"

#include "GameTextInput.h"
#include "QtText.h"

#include <QAction>
#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>

#include <algorithm>
#include <stdexcept>

namespace plorik::gui {

namespace {

// Controls that carry their caption themselves; the others get a label beside them.
bool captionOnWidget(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::Group:
    case ControlKind::Label:
    case ControlKind::MenuItem:
    case ControlKind::ToolButton: return true;
    default: return false;
    }
}

QStringList itemsOf(const Control& control)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(control.items().size()));
    for (const std::string& item : control.items())
        items << toQt(item);
    return items;
}

// What assistive tools read out for a control: its caption without the mnemonic "&" ("&&" stays one
// "&"); a control without a caption goes by its tool tip, else by its page.
QString accessibleName(const Control& control)
{
    const std::string_view caption = control.caption();
    const QString text = toQt(!caption.empty()                ? caption
                              : !control.entry().hint.empty() ? control.entry().hint
                                                              : control.entry().page);
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        name += text[i];
    }
    return name.trimmed();
}

// Row 0 and column 0 of a grid are its fixed headings, as in a string grid.
bool fixedCell(int row, int column)
{
    return row == 0 || column == 0;
}

} // namespace

WidgetBinder::WidgetBinder(Form& form, QObject* parent) : QObject(parent), m_form(form)
{
}

WidgetBinder::Binding& WidgetBinder::binding(ControlKey key)
{
    auto it = m_bindings.find(key.name());
    if (it == m_bindings.end()) {
        Binding made;
        made.control = &m_form[key]; // throws for an unknown key: a layout names a control the form lacks
        it = m_bindings.emplace(std::string(key.name()), std::move(made)).first;
    }
    return it->second;
}

QWidget* WidgetBinder::widget(ControlKey key, QWidget* parent)
{
    Binding& bound = binding(key);
    if (!bound.object) {
        QWidget* made = create(bound, parent);
        made->setObjectName(toQt(bound.control->key().name()));
        made->setAccessibleName(accessibleName(*bound.control));
        if (!bound.control->entry().hint.empty())
            made->setToolTip(toQt(bound.control->entry().hint));
        bound.object = made;
        if (bound.caption)
            bound.caption->setBuddy(made);
        bound.revision = 0;
        apply(bound);
    }
    return qobject_cast<QWidget*>(bound.object.data());
}

QLabel* WidgetBinder::caption(ControlKey key, QWidget* parent)
{
    Binding& bound = binding(key);
    if (!bound.caption) {
        const Control& control = *bound.control;
        const QString text = captionOnWidget(control.kind()) ? QString() : toQt(control.caption());
        bound.caption = new QLabel(text, parent);
        bound.caption->setObjectName(toQt("caption:" + std::string(control.key().name())));
        if (auto* buddy = qobject_cast<QWidget*>(bound.object.data()))
            bound.caption->setBuddy(buddy);
        bound.revision = 0;
        apply(bound);
    }
    return bound.caption;
}

QLabel* WidgetBinder::unit(ControlKey key, QWidget* parent)
{
    Binding& bound = binding(key);
    if (!bound.unit) {
        bound.unit = new QLabel(toQt(bound.control->entry().unit), parent);
        bound.unit->setObjectName(toQt("unit:" + std::string(bound.control->key().name())));
        bound.revision = 0;
        apply(bound);
    }
    return bound.unit;
}

QAction* WidgetBinder::action(ControlKey key, QObject* parent)
{
    Binding& bound = binding(key);
    if (!bound.object) {
        const Control& control = *bound.control;
        if (control.kind() != ControlKind::MenuItem && control.kind() != ControlKind::ToolButton)
            throw std::logic_error("not a menu item or tool button: " + std::string(control.key().name()));
        const std::string_view hint = control.entry().hint;
        auto* made = new QAction(toQt(control.caption().empty() ? hint : control.caption()), parent);
        made->setObjectName(toQt(control.key().name()));
        if (!hint.empty())
            made->setToolTip(toQt(hint));
        if (!control.entry().shortcut.empty())
            made->setShortcut(QKeySequence(toQt(control.entry().shortcut)));
        const ControlKey key = control.key();
        connect(made, &QAction::triggered, this, [this, key] { userDid(key, [&] { m_form.userPress(key); }); });
        bound.object = made;
        bound.revision = 0;
        apply(bound);
    }
    return qobject_cast<QAction*>(bound.object.data());
}

void WidgetBinder::setEnabledCondition(ControlKey key, std::function<bool()> condition)
{
    binding(key).condition = std::move(condition);
    refresh(key);
}

void WidgetBinder::refresh(ControlKey key)
{
    Binding& bound = binding(key);
    bound.revision = 0;
    apply(bound);
}

void WidgetBinder::sync()
{
    for (auto& [key, bound] : m_bindings) {
        if (bound.revision != bound.control->revision())
            apply(bound);
    }
}

std::vector<ControlKey> WidgetBinder::unboundKeys() const
{
    std::vector<ControlKey> keys;
    for (const auto& control : m_form.controls()) {
        const auto it = m_bindings.find(control->key().name());
        if (it == m_bindings.end() || !it->second.object)
            keys.push_back(control->key());
    }
    return keys;
}

namespace {

// The colour of a mark: one for a change against the image, another for a hook file's override.
const char* markColour(FieldMark::Kind kind)
{
    return kind == FieldMark::Kind::Changed ? "#1c62c4" : "#c25400";
}

void setMark(QWidget* widget, const FieldMark* mark)
{
    // A mark changes colour and underline only: the label keeps its size and the page its layout.
    static const char* const kOwnTip = "plorikOwnToolTip";
    if (!widget->property(kOwnTip).isValid())
        widget->setProperty(kOwnTip, widget->toolTip());
    widget->setStyleSheet(
        mark ? QStringLiteral("color: %1; text-decoration: underline;").arg(QLatin1String(markColour(mark->kind)))
             : QString());
    widget->setToolTip(mark ? toQt(mark->tooltip) : widget->property(kOwnTip).toString());
}

} // namespace

void WidgetBinder::showMarks(const std::vector<FieldMark>& marks)
{
    for (auto& [name, bound] : m_bindings) {
        const FieldMark* own = nullptr;
        std::vector<const FieldMark*> cells;
        for (const FieldMark& mark : marks) {
            if (mark.control != name)
                continue;
            if (mark.row > 0)
                cells.push_back(&mark);
            else if (!own || mark.kind == FieldMark::Kind::Overridden)
                own = &mark;
        }
        if (auto* table = qobject_cast<QTableWidget*>(bound.object.data())) {
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column = 0; column < table->columnCount(); ++column) {
                    QTableWidgetItem* item = table->item(row, column);
                    if (!item)
                        continue;
                    const auto mark = std::find_if(cells.begin(), cells.end(), [&](const FieldMark* cell) {
                        return cell->row == static_cast<std::size_t>(row) &&
                               cell->column == static_cast<std::size_t>(column);
                    });
                    QFont font = item->font();
                    font.setUnderline(mark != cells.end());
                    item->setFont(font);
                    item->setToolTip(mark != cells.end() ? toQt((*mark)->tooltip) : QString());
                    if (mark != cells.end())
                        item->setForeground(QColor(QLatin1String(markColour((*mark)->kind))));
                    else if (item->flags() & Qt::ItemIsEditable)
                        item->setForeground(table->palette().text());
                }
            }
        }
        QWidget* label = bound.caption && !bound.caption->text().isEmpty()
                             ? bound.caption.data()
                             : qobject_cast<QWidget*>(bound.object.data());
        if (label && !qobject_cast<QTableWidget*>(label) && (own || label->property("plorikOwnToolTip").isValid()))
            setMark(label, own);
    }
}

void WidgetBinder::userDid(ControlKey key, const std::function<void()>& edit)
{
    // The session runs every handler as one command and reports its failures itself.
    edit();
    // The widget may show something the form refused (a click on a disabled radio button): copy it
    // back whatever happened.
    if (auto it = m_bindings.find(key.name()); it != m_bindings.end())
        it->second.revision = 0;
    if (m_afterEdit)
        m_afterEdit();
    else
        sync();
}

QWidget* WidgetBinder::create(Binding& bound, QWidget* parent)
{
    const Control& control = *bound.control;
    const ControlKey key = control.key();
    const QString caption = toQt(control.caption());
    switch (control.kind()) {
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        connect(button, &QPushButton::clicked, this, [this, key] { userDid(key, [&] { m_form.userPress(key); }); });
        return button;
    }
    case ControlKind::CheckBox: {
        auto* box = new QCheckBox(caption, parent);
        connect(box, &QCheckBox::clicked, this,
                [this, key](bool checked) { userDid(key, [&] { m_form.userCheck(key, checked); }); });
        return box;
    }
    case ControlKind::RadioButton: {
        auto* radio = new QRadioButton(caption, parent);
        radio->setAutoExclusive(false); // the form clears the others of its group
        connect(radio, &QRadioButton::clicked, this,
                [this, key](bool checked) { userDid(key, [&] { m_form.userCheck(key, checked); }); });
        return radio;
    }
    case ControlKind::Group: return new QGroupBox(caption, parent);
    case ControlKind::Label: return new QLabel(parent);
    case ControlKind::Picture: {
        auto* picture = new QLabel(parent);
        picture->setCursor(Qt::PointingHandCursor);
        picture->installEventFilter(this);
        return picture;
    }
    case ControlKind::StatusBar: {
        auto* bar = new QStatusBar(parent);
        bound.statusText = new QLabel(bar);
        bound.statusText->setObjectName(QStringLiteral("StatusBarText"));
        bar->addWidget(bound.statusText, 1);
        return bar;
    }
    case ControlKind::ComboBox:
    case ControlKind::DropDownList:
    case ControlKind::ListBox: return createList(bound, parent);
    case ControlKind::Grid: return createGrid(bound, parent);
    case ControlKind::MenuItem:
    case ControlKind::ToolButton:
        throw std::logic_error("a menu item or tool button is an action: " + std::string(key.name()));
    default: return createValueWidget(bound, parent);
    }
}

QWidget* WidgetBinder::createValueWidget(Binding& bound, QWidget* parent)
{
    const Control& control = *bound.control;
    const ControlKey key = control.key();
    switch (control.kind()) {
    case ControlKind::Memo: {
        auto* memo = new QPlainTextEdit(parent);
        memo->setReadOnly(control.entry().readOnly);
        memo->setTabChangesFocus(true);
        const Control* memoControl = bound.control;
        connect(memo, &QPlainTextEdit::textChanged, this, [this, key, memo, memoControl] {
            if (refuseOutsideGameText(memo, memoToQt(memoControl->text())))
                return;
            userDid(key, [&] { m_form.userEdit(key, memoFromQt(memo->toPlainText())); });
        });
        return memo;
    }
    case ControlKind::TrackBar: {
        auto* slider = new QSlider(Qt::Horizontal, parent);
        slider->setTickPosition(QSlider::TicksBelow);
        slider->setTickInterval(16);
        slider->setPageStep(16);
        connect(slider, &QSlider::valueChanged, this,
                [this, key](int position) { userDid(key, [&] { m_form.userSlide(key, position); }); });
        return slider;
    }
    default: {
        auto* box = new QLineEdit(parent);
        box->setReadOnly(control.entry().readOnly);
        keepGameText(box);
        connect(box, &QLineEdit::textEdited, this,
                [this, key](const QString& text) { userDid(key, [&] { m_form.userEdit(key, fromQt(text)); }); });
        return box;
    }
    }
}

QWidget* WidgetBinder::createList(Binding& bound, QWidget* parent)
{
    const Control& control = *bound.control;
    const ControlKey key = control.key();
    if (control.kind() == ControlKind::ListBox) {
        auto* list = new QListWidget(parent);
        connect(list, &QListWidget::currentRowChanged, this, [this, key](int row) {
            if (row >= 0)
                userDid(key, [&] { m_form.userPick(key, row); });
        });
        return list;
    }
    auto* combo = new QComboBox(parent);
    combo->setMaxVisibleItems(20);
    if (control.kind() == ControlKind::ComboBox) {
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr); // typing "12" must mean 12, not the first item that starts with 1
        keepGameText(combo->lineEdit());
        connect(combo->lineEdit(), &QLineEdit::textEdited, this,
                [this, key](const QString& text) { userDid(key, [&] { m_form.userEdit(key, fromQt(text)); }); });
    }
    connect(combo, &QComboBox::activated, this,
            [this, key](int index) { userDid(key, [&] { m_form.userPick(key, index); }); });
    return combo;
}

QWidget* WidgetBinder::createGrid(Binding& bound, QWidget* parent)
{
    const ControlKey key = bound.control->key();
    auto* table = new QTableWidget(parent);
    // Row 0 and column 0 are shown as grey cells of the grid itself, so every cell can be seen.
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 6);
    table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    // Tab goes on to the next control (the hex grid alone has hundreds of cells); the arrow keys
    // move between cells.
    table->setTabKeyNavigation(false);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setItemDelegate(new GameTextDelegate(table));
    connect(table, &QTableWidget::itemChanged, this, [this, key](QTableWidgetItem* item) {
        const auto row = static_cast<std::size_t>(item->row());
        const auto column = static_cast<std::size_t>(item->column());
        const std::string text = fromQt(item->text());
        userDid(key, [&] { m_form.userEditCell(key, row, column, text); });
    });
    return table;
}

bool WidgetBinder::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const std::string key = fromQt(watched->objectName());
        const auto it = m_bindings.find(key);
        if (it != m_bindings.end() && it->second.object == watched && it->second.control->enabled()) {
            const ControlKey pressed = it->second.control->key();
            userDid(pressed, [&] { m_form.userPress(pressed); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

void WidgetBinder::applyEnabled(Binding& bound)
{
    const Control& control = *bound.control;
    const bool enabled = control.enabled() && (!bound.condition || bound.condition());
    if (auto* action = qobject_cast<QAction*>(bound.object.data())) {
        action->setEnabled(enabled);
        if (action->isCheckable())
            action->setChecked(control.checked());
        action->setVisible(control.visible());
        return;
    }
    for (QWidget* widget : {qobject_cast<QWidget*>(bound.object.data()), static_cast<QWidget*>(bound.caption.data()),
                            static_cast<QWidget*>(bound.unit.data())}) {
        if (!widget)
            continue;
        widget->setEnabled(enabled);
        const bool explicitlyHidden = widget->isHidden() && widget->testAttribute(Qt::WA_WState_ExplicitShowHide);
        if (control.visible() == explicitlyHidden)
            widget->setVisible(control.visible());
    }
}

void WidgetBinder::apply(Binding& bound)
{
    const Control& control = *bound.control;
    applyEnabled(bound);
    auto* widget = qobject_cast<QWidget*>(bound.object.data());
    if (widget) {
        const QSignalBlocker blocker(widget);
        switch (control.kind()) {
        case ControlKind::TextBox: {
            auto* box = static_cast<QLineEdit*>(widget);
            const QString text = toQt(control.text());
            if (box->text() != text) {
                box->setText(text);
                if (!box->hasFocus())
                    box->home(false); // a long text shows its start, as the box's own edit would
            }
            break;
        }
        case ControlKind::Memo: {
            auto* memo = static_cast<QPlainTextEdit*>(widget);
            const QString text = memoToQt(control.text());
            if (memo->toPlainText() != text)
                memo->setPlainText(text);
            break;
        }
        case ControlKind::ComboBox:
        case ControlKind::DropDownList:
        case ControlKind::ListBox: applyLists(bound); break;
        case ControlKind::CheckBox:
        case ControlKind::RadioButton: static_cast<QAbstractButton*>(widget)->setChecked(control.checked()); break;
        case ControlKind::Grid: applyGrid(bound); break;
        case ControlKind::TrackBar: {
            auto* slider = static_cast<QSlider*>(widget);
            slider->setRange(control.minimum(), control.maximum());
            slider->setValue(control.position());
            break;
        }
        case ControlKind::Label: static_cast<QLabel*>(widget)->setText(toQt(control.text())); break;
        case ControlKind::StatusBar:
            if (bound.statusText)
                bound.statusText->setText(toQt(control.text()));
            break;
        default: break;
        }
    }
    bound.revision = control.revision();
}

void WidgetBinder::applyLists(Binding& bound)
{
    const Control& control = *bound.control;
    const QStringList items = itemsOf(control);
    if (auto* list = qobject_cast<QListWidget*>(bound.object.data())) {
        const QSignalBlocker blocker(list);
        bool same = list->count() == items.size();
        for (int i = 0; same && i < list->count(); ++i)
            same = list->item(i)->text() == items[i];
        if (!same) {
            list->clear();
            list->addItems(items);
        }
        if (list->currentRow() != control.index())
            list->setCurrentRow(control.index());
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(bound.object.data());
    if (!combo)
        return;
    const QSignalBlocker blocker(combo);
    bool same = combo->count() == items.size();
    for (int i = 0; same && i < combo->count(); ++i)
        same = combo->itemText(i) == items[i];
    if (!same) {
        combo->clear();
        combo->addItems(items);
    }
    if (combo->currentIndex() != control.index())
        combo->setCurrentIndex(control.index());
    if (combo->isEditable()) {
        const QString text = toQt(control.text());
        if (combo->currentText() != text)
            combo->setEditText(text);
    }
}

void WidgetBinder::applyGrid(Binding& bound)
{
    const Control& control = *bound.control;
    auto* table = qobject_cast<QTableWidget*>(bound.object.data());
    if (!table)
        return;
    const QSignalBlocker blocker(table);
    const int rows = static_cast<int>(control.rowCount());
    const int columns = static_cast<int>(control.columnCount());
    if (table->rowCount() != rows)
        table->setRowCount(rows);
    if (table->columnCount() != columns)
        table->setColumnCount(columns);
    bool changed = false;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            QTableWidgetItem* item = table->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                if (fixedCell(row, column)) {
                    item->setFlags(Qt::ItemIsEnabled);
                    item->setBackground(table->palette().button());
                    item->setForeground(table->palette().buttonText());
                } else if (control.entry().readOnly ||
                           !control.cellEditable(static_cast<std::size_t>(row), static_cast<std::size_t>(column))) {
                    item->setFlags(Qt::ItemIsEnabled);
                }
                table->setItem(row, column, item);
                changed = true;
            }
            const QString text = toQt(control.cell(static_cast<std::size_t>(row), static_cast<std::size_t>(column)));
            if (item->text() != text) {
                item->setText(text);
                changed = true;
            }
        }
    }
    // Columns grow to show their longest text; they never shrink under the width the layout gave them.
    if (changed) {
        for (int column = 0; column < columns; ++column)
            table->setColumnWidth(column,
                                  std::max(table->columnWidth(column),
                                           static_cast<const QAbstractItemView*>(table)->sizeHintForColumn(column)));
    }
}

} // namespace plorik::gui
