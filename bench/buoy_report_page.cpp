#include "buoy_report_page.h"

QString buoyReportPage(int lines)
{
    const QString letters = QStringLiteral("ABCDEFGHIKMNQTUVWXYZ");
    QString page = QStringLiteral("<PRE>\nOffshore Data at 18Z 14APR99\nReports: %1\nheading\n\n").arg(lines);
    page.reserve(page.size() + lines * 80);
    for (int i = 0; i < lines; ++i) {
        QString id(5, letters[0]);
        for (int n = i, k = 4; n > 0 && k >= 0; n /= letters.size(), --k)
            id[k] = letters[n % letters.size()];
        page += QStringLiteral("      ") + id
            + QStringLiteral("  45.1N-125.3W12.5  9.8   4512.3 kts       1016.2       11.8  2.1\n");
    }
    return page;
}
