#include "settings/icon_definitions.h"

#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/program_folder.h"
#include "platform/text_files.h"
#include "platform/user_dialogs.h"
#include "platform/number_formats.h"
#include "settings/program_state.h"
#include "update/unit_conversions.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTime>
#include <algorithm>
#include <array>
#include <limits>
#include <utility>

namespace {

struct WordGroup {
    std::vector<const char*> words;
    int category;
};

// Checked in this order; the first group holding the caption decides.
const std::array<WordGroup, 12>& wordGroups()
{
    static const std::array<WordGroup, 12> groups = {{
        {{"SUNNY", "CLEAR", "FAIR", "FINE"}, 0},
        {{"PTCLOUDY", "MOSUNNY", "PTSUNNY", "PARTLYCLDY", "MOSTLYCLEAR", "PTCLDY", "PARTLY CLOUDY"}, 1},
        {{"CLOUDY"}, 2},
        {{"FOG", "HAZE", "SMOKE"}, 5},
        {{"DRIZZLE", "DRZL/FOG", "RAIN/FOG", "FREEZING FOG", "ICECRYSTALS/FOG"}, 4},
        {{"LGT RAIN", "SHOWER", "SHOWERS", "LIGHT RAIN"}, 8},
        {{"HVY RAIN", "RAIN"}, 3},
        {{"SNOW", "SNOW/FOG", "BLOWING SNOW", "BLOWINGSNOW", "SNOW/FREEZINGFO"}, 6},
        {{"LGT SNOW", "FLURRIES"}, 9},
        {{"TSTORMS", "TSTM", "TSHWR", "HEAVY THUNDERSTORM"}, 7},
        {{"OVERCAST", "MOSTLY CLOUDY", "MOCLDY", "MOSTLYCLDY", "MOCLOUDY"}, 11},
        {{"SNOW  RAIN", "SNOWSHWR"}, 10},
    }};
    return groups;
}

constexpr int kUnknownPicture = 12;

QString definitionsPath()
{
    return programPath(QStringLiteral("CVIcons.cvd"));
}

// A category read from the file as the nearest whole number. Values beyond
// the range of an int are kept out of range (they choose the unknown
// picture) instead of wrapping round into a valid category.
int categoryFromText(const QString& text)
{
    const long long value = roundHalfEven(leadingNumber(text));
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

} // namespace

int conditionPictureNumber(const QString& caption, int hour, const std::vector<QString>& names,
                           const std::vector<int>& categories)
{
    if (caption.isEmpty())
        return kUnknownPicture;
    const int base = (hour <= 5 || hour >= 19) ? 20 : 0;
    for (size_t i = 0; i < names.size(); ++i) {
        if (caption == names[i]) {
            const int category = i < categories.size() ? categories[i] : 0;
            return category >= 0 && category <= 11 ? base + category : kUnknownPicture;
        }
    }
    const QString upper = caption.toUpper();
    for (const WordGroup& group : wordGroups())
        for (const char* word : group.words)
            if (upper == QLatin1String(word))
                return base + group.category;
    return kUnknownPicture;
}

bool Pick_Icon(QLabel* ctl)
{
    // Blanks only: other white space is part of the caption.
    ctl->setText(Strip_Spaces(ctl->text()));
    const int number = conditionPictureNumber(ctl->text(), QTime::currentTime().hour(), program().IconName,
                                              program().IconCategory);
    Form2& options = form2();
    options.Image2[13]->setPixmap(options.Image2[number]->pixmap());
    return true;
}

bool Save_IconDefs()
{
    const ProgramState& state = program();
    if (state.IconName.empty() || state.IconName.front().isEmpty())
        return true;
    QStringList lines{QStringLiteral("[ICON DEFS]")};
    for (size_t i = 0; i < state.IconName.size(); ++i) {
        lines << state.IconName[i];
        lines << QString::number(i < state.IconCategory.size() ? state.IconCategory[i] : 0);
    }
    lines << QStringLiteral("[END]");
    QString error;
    if (!writeLinesSafely(definitionsPath(), lines, &error)) {
        MsgBox(QStringLiteral("Your condition definitions could not be saved to %1 (%2).\n"
                              "The definitions saved before are unchanged.")
                   .arg(QDir::toNativeSeparators(definitionsPath()), error),
               MsgButtons::Ok, MsgIcon::Exclamation);
        return false;
    }
    return true;
}

void Load_IconDefs()
{
    auto input = CommaInput::open(definitionsPath());
    if (!input || input->next().value_or(QString()) != QLatin1String("[ICON DEFS]"))
        return;
    std::vector<QString> names;
    std::vector<int> categories;
    while (!input->atEnd()) {
        const QString text = input->next().value_or(QString());
        if (text == QLatin1String("[END]"))
            break;
        const auto category = input->next();
        if (!category || *category == QLatin1String("[END]"))
            break;
        if (text.isEmpty() || category->isEmpty())
            continue;
        names.push_back(text);
        categories.push_back(categoryFromText(*category));
    }
    if (names.empty())
        return;
    program().IconName = std::move(names);
    program().IconCategory = std::move(categories);
}
