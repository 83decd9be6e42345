#include "app/file_filter.h"

QString TFileFilter::NameFilter() const {
    return name + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QStringList NameFilters(const std::vector<TFileFilter>& filters) {
    QStringList names;
    for (const TFileFilter& filter : filters)
        names << filter.NameFilter();
    return names;
}
