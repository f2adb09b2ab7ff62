#include "MonthNavigation.h"

COleDateTime NavigatedDate(const COleDateTime& selected, int years, int months, const COleDateTime& today) {
    if (!selected.IsValid()) return selected;
    int year = selected.GetYear() + years;
    int month = selected.GetMonth() + months;
    if (month > 12) {
        ++year;
        month %= 12;
    } else if (month < 1) {
        --year;
        month += 12;
    }
    if (today.IsValid() && year == today.GetYear() && month == today.GetMonth()) return today;
    const COleDateTime first(year, month, 1);
    return first.IsValid() ? first : selected;
}
