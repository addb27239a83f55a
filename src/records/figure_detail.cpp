#include "records/figure_detail.h"

#include "engine/rounding.h"
#include "records/decimal_text.h"
#include "records/setting_paths.h"

namespace tallowen {

FigureDetailRead readFigureDetail(SettingsStore& store) {
    FigureDetailRead read;
    long level = leadingInteger(listText(store.ReadSetting(kProgramKey, kFigureDetailValue)));
    if (level < 1 || level > 10) {
        read.message = UserMessage{"Apologize my English, please.", "Aldar Brenholt"};
        level = 6;
    }
    read.FigureDetail = roundHalfEven((level - 1) / 3.0);
    return read;
}

void repairFigureDetail(SettingsStore& store) {
    store.CreateSettingKey(kProgramKey);
    store.WriteSetting(kProgramKey, kFigureDetailValue, std::string("5"), kTextType);
}

}  // namespace tallowen
