// Hostile work-model texts: every day is read, one day is set and one removed. Whatever the text
// held, the result must be a JSON object that holds the day just set with its time and no longer
// the day removed, and reading it again must give the same days.

#include "tjson.h"
#include "workingmodel.h"

#include <QString>
#include <QTime>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    // The first two bytes choose the days and the time; the rest is the stored text.
    const int setDay = data[0] % 7 + 1;
    const int removedDay = (data[0] / 7) % 7 + 1;
    const QTime begin(data[1] % 24, (data[1] * 7) % 60);
    PosLib::WorkingModel model;
    model.set("model", QString::fromUtf8(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2)));
    for (int day = PosLib::WorkingModel::Monday; day <= PosLib::WorkingModel::Sunday; ++day)
        (void)model.getBegin(day);

    model.removeDay(removedDay);
    model.setBegin(setDay, begin);
    rapidjson::Document written;
    if (!PosLib::Json::parseObject(model.getModel(), written))
        __builtin_trap();
    if (model.getBegin(setDay) != begin)
        __builtin_trap();
    if (removedDay != setDay && model.getBegin(removedDay).isValid())
        __builtin_trap();

    PosLib::WorkingModel again;
    again.set("model", model.getModel());
    for (int day = PosLib::WorkingModel::Monday; day <= PosLib::WorkingModel::Sunday; ++day) {
        if (again.getBegin(day) != model.getBegin(day))
            __builtin_trap();
    }
    return 0;
}
