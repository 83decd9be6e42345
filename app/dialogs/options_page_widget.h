// One page of options: every option with its type, value, default, range and help, the values
// editable where the object allows, and the changed values as ready "-name value" arguments.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "platform/dialog_host.h"

class QLabel;
class QLineEdit;
class QTableWidget;

class OptionsPageWidget : public QWidget {
    Q_OBJECT

public:
    enum Column { kName, kType, kValue, kDefault, kRange, kArgument, kHelp, kColumnCount };

    explicit OptionsPageWidget(OptionPage page, QWidget* parent = nullptr);

    // Sends every value that differs from the object's to the object. False when the object
    // refused one; its reason shows under the table and its row shows the object's value again.
    bool Apply();
    bool CanApply() const { return static_cast<bool>(page_.setOption); }

    // The "-name value" arguments of every option whose value differs from the one it had
    // when the page opened, space-separated and quoted for a shell where needed.
    QString ArgumentText() const;

    // The table row of an option, or -1.
    int RowOf(const std::string& name) const;
    QString ValueText(int row) const;
    void SetValueText(int row, const QString& text);

signals:
    void valuesEdited();

private:
    void AddGroupRow(const QString& group);
    void AddOptionRow(size_t option);
    void RefreshArguments();
    QString ArgumentOf(size_t option, const QString& value) const;

    OptionPage page_;
    std::vector<std::string> opening_;  // values when the page opened
    std::vector<std::string> current_;  // values as the object holds them now
    std::vector<int> rowOption_;        // option index of each row, -1 for a group heading
    QTableWidget* table_;
    QLineEdit* arguments_;
    QLabel* status_;
};
