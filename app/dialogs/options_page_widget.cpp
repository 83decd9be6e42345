#include "app/dialogs/options_page_widget.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <utility>

#include "app/dialogs/platform_texts.h"

namespace {

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Quotes a value for a POSIX shell when it holds anything but plain characters.
QString ShellWord(const QString& value) {
    if (value.isEmpty()) return QStringLiteral("''");
    for (const QChar c : value) {
        const bool plain = c.isLetterOrNumber() || QStringLiteral("+-_.,:/=@%").contains(c);
        if (!plain) {
            QString quoted = value;
            quoted.replace(QStringLiteral("'"), QStringLiteral("'\\''"));
            return QLatin1Char('\'') + quoted + QLatin1Char('\'');
        }
    }
    return value;
}

// The named values an option takes (flags combine them with '+'), else its numeric range.
QString RangeText(const OptionDescription& option) {
    if (!option.choices.empty()) {
        QStringList names;
        for (const OptionChoice& choice : option.choices)
            names << FromUtf8(choice.name);
        return names.join(option.type == "flags" ? QStringLiteral(" + ") : QStringLiteral(", "));
    }
    if (option.minimum.empty() && option.maximum.empty()) return {};
    return FromUtf8(option.minimum) + QStringLiteral(" \u2026 ") + FromUtf8(option.maximum);
}

// A value inside a filter description: escaped once for the filter's options (':' separates
// them) and once more for the filter graph (',' ';' '[' ']' separate filters), as ffmpeg's
// filtergraph syntax reads it.
QString FilterValue(const QString& value) {
    const auto escaped = [](const QString& text, const QString& special) {
        QString out;
        for (const QChar c : text) {
            if (special.contains(c)) out += QLatin1Char('\\');
            out += c;
        }
        return out;
    };
    return escaped(escaped(value, QStringLiteral("\\':")), QStringLiteral("\\'[],;"));
}

QString ChoicesToolTip(const OptionDescription& option) {
    QStringList lines;
    for (const OptionChoice& choice : option.choices) {
        QString line = FromUtf8(choice.name) + QStringLiteral(" = ") + FromUtf8(choice.value);
        if (!choice.help.empty()) line += QStringLiteral(": ") + FromUtf8(choice.help);
        lines << line;
    }
    return lines.join(QLatin1Char('\n'));
}

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

}  // namespace

OptionsPageWidget::OptionsPageWidget(OptionPage page, QWidget* parent)
    : QWidget(parent),
      page_(std::move(page)),
      table_(new QTableWidget(this)),
      arguments_(new QLineEdit(this)),
      status_(new QLabel(this)) {
    for (const OptionDescription& option : page_.options) {
        opening_.push_back(option.currentValue);
        current_.push_back(option.currentValue);
    }

    table_->setObjectName(QStringLiteral("options"));
    table_->setColumnCount(kColumnCount);
    table_->setHorizontalHeaderLabels(
        {tr("Option"), tr("Type"), tr("Value"), tr("Default"), tr("Range"), tr("Argument"), tr("Help")});
    table_->verticalHeader()->setVisible(false);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                            QAbstractItemView::AnyKeyPressed);
    table_->horizontalHeader()->setStretchLastSection(true);
    // One line per option; the help's full text is the cell's tooltip.
    table_->setWordWrap(false);

    std::string group;
    for (size_t i = 0; i < page_.options.size(); ++i) {
        if (i == 0 || page_.options[i].group != group) {
            group = page_.options[i].group;
            // The page's own class needs no heading when it is the only one.
            if (i > 0 || page_.options.back().group != group) AddGroupRow(FromUtf8(group));
        }
        AddOptionRow(i);
    }
    connect(table_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == kValue) RefreshArguments();
    });

    arguments_->setObjectName(QStringLiteral("arguments"));
    arguments_->setReadOnly(true);
    arguments_->setPlaceholderText(tr("Changed options appear here as command-line arguments"));
    auto* copy = new QPushButton(tr("Copy"), this);
    copy->setObjectName(QStringLiteral("copyArguments"));
    connect(copy, &QPushButton::clicked, this, [this] {
        if (QClipboard* clipboard = QApplication::clipboard()) clipboard->setText(arguments_->text());
    });
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);

    auto* argumentRow = new QHBoxLayout;
    argumentRow->addWidget(new QLabel(tr("Arguments:"), this));
    argumentRow->addWidget(arguments_, 1);
    argumentRow->addWidget(copy);
    auto* layout = new QVBoxLayout(this);
    if (page_.availability) {
        auto* availability = new QLabel(AvailabilityLine(*page_.availability), this);
        availability->setObjectName(QStringLiteral("availability"));
        availability->setWordWrap(true);
        layout->addWidget(availability);
    }
    layout->addWidget(table_, 1);
    layout->addLayout(argumentRow);
    layout->addWidget(status_);
    RefreshArguments();
    table_->resizeColumnsToContents();
    // Long values and help texts stay readable in their tooltips and the argument line.
    const int widest[kColumnCount] = {180, 100, 160, 160, 180, 220, 420};
    for (int column = 0; column < kColumnCount; ++column)
        table_->setColumnWidth(column, qMin(table_->columnWidth(column), widest[column]));
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
}

void OptionsPageWidget::AddGroupRow(const QString& group) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    auto* item = ReadOnlyItem(group);
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
    table_->setItem(row, 0, item);
    table_->setSpan(row, 0, 1, kColumnCount);
    rowOption_.push_back(-1);
}

void OptionsPageWidget::AddOptionRow(size_t index) {
    const OptionDescription& option = page_.options[index];
    const int row = table_->rowCount();
    const bool editable = option.editable && page_.setOption;
    table_->insertRow(row);
    rowOption_.push_back(static_cast<int>(index));
    table_->setItem(row, kName, ReadOnlyItem(FromUtf8(option.name)));
    table_->setItem(row, kType, ReadOnlyItem(FromUtf8(option.type)));
    table_->setItem(row, kDefault, ReadOnlyItem(FromUtf8(option.defaultValue)));
    table_->setItem(row, kRange, ReadOnlyItem(RangeText(option)));
    table_->setItem(row, kArgument, ReadOnlyItem(QString()));
    QTableWidgetItem* help = ReadOnlyItem(FromUtf8(option.help));
    help->setToolTip(help->text());
    table_->setItem(row, kHelp, help);
    auto* value = new QTableWidgetItem(FromUtf8(option.currentValue));
    if (!editable) value->setFlags(value->flags() & ~Qt::ItemIsEditable);
    if (!option.choices.empty()) value->setToolTip(ChoicesToolTip(option));
    table_->setItem(row, kValue, value);

    // A list of named values (not flags, which combine) is picked from a box that also takes
    // any other text.
    if (editable && !option.choices.empty() && option.type != "flags") {
        auto* box = new QComboBox(table_);
        box->setEditable(true);
        for (const OptionChoice& choice : option.choices)
            box->addItem(FromUtf8(choice.name));
        box->setEditText(FromUtf8(option.currentValue));
        box->setToolTip(ChoicesToolTip(option));
        connect(box, &QComboBox::currentTextChanged, this, [this, value](const QString& text) {
            value->setText(text);  // keeps the item the one place that holds the value
        });
        table_->setCellWidget(row, kValue, box);
    }
}

int OptionsPageWidget::RowOf(const std::string& name) const {
    for (int row = 0; row < static_cast<int>(rowOption_.size()); ++row)
        if (rowOption_[row] >= 0 && page_.options[static_cast<size_t>(rowOption_[row])].name == name)
            return row;
    return -1;
}

QString OptionsPageWidget::ValueText(int row) const {
    const QTableWidgetItem* item = table_->item(row, kValue);
    return item ? item->text() : QString();
}

void OptionsPageWidget::SetValueText(int row, const QString& text) {
    if (auto* box = qobject_cast<QComboBox*>(table_->cellWidget(row, kValue))) box->setEditText(text);
    if (QTableWidgetItem* item = table_->item(row, kValue)) item->setText(text);
}

QString OptionsPageWidget::ArgumentOf(size_t option, const QString& value) const {
    const QString name = FromUtf8(page_.options[option].name);
    if (!page_.filter.empty()) return name + QLatin1Char('=') + FilterValue(value);
    return QStringLiteral("-") + name + QLatin1Char(' ') + ShellWord(value);
}

QString OptionsPageWidget::ArgumentText() const {
    QStringList arguments;
    for (int row = 0; row < static_cast<int>(rowOption_.size()); ++row) {
        if (rowOption_[row] < 0) continue;
        const auto option = static_cast<size_t>(rowOption_[row]);
        const QString value = ValueText(row);
        if (value != FromUtf8(opening_[option])) arguments << ArgumentOf(option, value);
    }
    if (page_.filter.empty()) return arguments.join(QLatin1Char(' '));
    // One shell word: the whole description, as -vf or -af takes it.
    if (arguments.isEmpty()) return {};
    return ShellWord(FromUtf8(page_.filter) + QLatin1Char('=') + arguments.join(QLatin1Char(':')));
}

void OptionsPageWidget::RefreshArguments() {
    const QSignalBlocker blocker(table_);
    for (int row = 0; row < static_cast<int>(rowOption_.size()); ++row)
        if (rowOption_[row] >= 0)
            table_->item(row, kArgument)
                ->setText(ArgumentOf(static_cast<size_t>(rowOption_[row]), ValueText(row)));
    arguments_->setText(ArgumentText());
    emit valuesEdited();
}

bool OptionsPageWidget::Apply() {
    if (!page_.setOption) return true;
    bool allTaken = true;
    QStringList refused;
    for (int row = 0; row < static_cast<int>(rowOption_.size()); ++row) {
        if (rowOption_[row] < 0) continue;
        const auto option = static_cast<size_t>(rowOption_[row]);
        const QString value = ValueText(row);
        if (value == FromUtf8(current_[option])) continue;
        const OptionSetResult result = page_.setOption(page_.options[option].name, value.toStdString());
        current_[option] = result.currentValue;
        if (FAILED(result.hr)) {
            allTaken = false;
            refused << FromUtf8(result.message);
        }
        SetValueText(row, FromUtf8(result.currentValue));
    }
    status_->setText(refused.join(QLatin1Char('\n')));
    RefreshArguments();
    return allTaken;
}
