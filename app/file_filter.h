// One entry of a file dialog's file-type list, shared by the open and save dialogs.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// patterns: wildcard patterns as Qt's and the desktop's file dialogs read them.
struct TFileFilter {
    QString name;
    QStringList patterns;

    // "Name (pattern pattern …)", the form the file dialogs take.
    QString NameFilter() const;
};

// Each filter's NameFilter, in order.
QStringList NameFilters(const std::vector<TFileFilter>& filters);
