#include "library/PictureFile.h"

#include "core/LineReader.h"
#include "core/TextFormat.h"
#include "library/PathHelpers.h"

namespace {

struct PictureLine {
    LineUse PictureReadPlan::*use;
    QString StepRecord::*value;
};

// File order.
constexpr PictureLine kLines[] = {
    {&PictureReadPlan::category, &StepRecord::PictureCategory},
    {&PictureReadPlan::description, &StepRecord::StepDescription},
    {&PictureReadPlan::phonetic, &StepRecord::StepPhonetic},
    {&PictureReadPlan::pictureFile, &StepRecord::StepPictureFile},
    {&PictureReadPlan::waveFile, &StepRecord::StepWaveFile},
    {&PictureReadPlan::id, &StepRecord::PictureId},
};

}  // namespace

Result<StepRecord> parsePicture(const QByteArray& bytes, const PictureReadPlan& plan) {
    LineReader reader(bytes);
    StepRecord picture;
    for (const PictureLine& line : kLines) {
        const LineUse use = plan.*line.use;
        if (use == LineUse::NotRead) break;
        if (Status s = readLineAs(reader, use, picture.*line.value); !s) return Error{s.error()};
    }
    return picture;
}

Result<StepRecord> readPictureFile(const QString& name, const PictureReadPlan& plan) {
    return readParsedFile(name, [&plan](const QByteArray& bytes) { return parsePicture(bytes, plan); });
}

Result<QByteArray> formatPicture(const StepRecord& picture) {
    struct Value {
        QString text;
        LineUse readAs;  // the strictest way any reader takes the line
        const char* what;
    };
    const Value values[] = {
        {picture.PictureCategory, LineUse::Whole, "The picture category"},
        {picture.StepDescription, LineUse::Whole, "The picture description"},
        {noneIfEmpty(picture.StepPhonetic), LineUse::Whole, "The spoken text"},
        {picture.StepPictureFile, LineUse::Whole, "The picture image name"},
        {noneIfEmpty(picture.StepWaveFile), LineUse::Field, "The narration file name"},
        {picture.PictureId, LineUse::Field, "The picture id"},
    };
    QByteArray out;
    for (const Value& v : values) {
        if (Status s = checkStorable(v.text, v.readAs, QString::fromLatin1(v.what)); !s) return Error{s.error()};
        out += textLine(v.text);
    }
    if (Status s = checkFileId(picture.PictureId, QStringLiteral("The picture id")); !s) return Error{s.error()};
    return out;
}

Status writePicture(const QString& name, const StepRecord& picture) {
    auto bytes = formatPicture(picture);
    if (!bytes) return fileError(name, bytes.error());
    return writeDataFile(name, *bytes);
}
