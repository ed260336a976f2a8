#include "platform/WavFile.h"

#include <sndfile.h>
#include <QCoreApplication>

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <memory>

namespace {

constexpr int kTargetRate = 22050;

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};
using SndfileHandle = std::unique_ptr<SNDFILE, SndfileCloser>;

QString subtypeName(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_PCM_S8:
            return QStringLiteral("PCM_S8");
        case SF_FORMAT_PCM_U8:
            return QStringLiteral("PCM_U8");
        case SF_FORMAT_PCM_16:
            return QStringLiteral("PCM_16");
        case SF_FORMAT_PCM_24:
            return QStringLiteral("PCM_24");
        case SF_FORMAT_PCM_32:
            return QStringLiteral("PCM_32");
        case SF_FORMAT_FLOAT:
            return QStringLiteral("FLOAT");
        case SF_FORMAT_DOUBLE:
            return QStringLiteral("DOUBLE");
        case SF_FORMAT_ULAW:
            return QStringLiteral("ULAW");
        case SF_FORMAT_ALAW:
            return QStringLiteral("ALAW");
        case SF_FORMAT_IMA_ADPCM:
            return QStringLiteral("IMA_ADPCM");
        case SF_FORMAT_MS_ADPCM:
            return QStringLiteral("MS_ADPCM");
        case SF_FORMAT_GSM610:
            return QStringLiteral("GSM610");
        default:
            return QStringLiteral("0x%1").arg(format & SF_FORMAT_SUBMASK, 4, 16, QLatin1Char('0'));
    }
}

int bitsOf(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
        case SF_FORMAT_PCM_S8:
        case SF_FORMAT_PCM_U8:
        case SF_FORMAT_ULAW:
        case SF_FORMAT_ALAW:
            return 8;
        case SF_FORMAT_PCM_16:
            return 16;
        case SF_FORMAT_PCM_24:
            return 24;
        case SF_FORMAT_PCM_32:
        case SF_FORMAT_FLOAT:
            return 32;
        case SF_FORMAT_DOUBLE:
            return 64;
        default:
            return 0;
    }
}

// Opens a file for reading with the sound library; the error names the file and the reason.
Result<SndfileHandle> openForReading(const QString& path, SF_INFO& info) {
    const QFileInfo file(path);
    if (path.isEmpty() || !file.exists())
        return Error{QCoreApplication::translate("WavFile", "%1 does not exist").arg(path)};
    if (!file.isFile()) return Error{QCoreApplication::translate("WavFile", "%1 is not a file").arg(path)};
    if (file.size() == 0) return Error{QCoreApplication::translate("WavFile", "%1 is empty").arg(path)};
    info = SF_INFO{};
    SndfileHandle handle(sf_open(QFile::encodeName(path).constData(), SFM_READ, &info));
    if (!handle) {
        return Error{QCoreApplication::translate("WavFile", "%1 is not a sound file that can be played: %2")
                         .arg(path, QString::fromUtf8(sf_strerror(nullptr)))};
    }
    if (info.channels <= 0 || info.samplerate <= 0) {
        return Error{QCoreApplication::translate("WavFile", "%1 has no usable sound format").arg(path)};
    }
    return handle;
}

}  // namespace

std::int64_t PcmAudio::frames() const {
    return channels > 0 ? static_cast<std::int64_t>(samples.size()) / channels : 0;
}

double PcmAudio::seconds() const { return sampleRate > 0 ? static_cast<double>(frames()) / sampleRate : 0.0; }

Result<WavInfo> probeWav(const QString& path) {
    SF_INFO info;
    auto handle = openForReading(path, info);
    if (!handle) return Error{handle.error()};
    WavInfo out;
    out.sampleRate = info.samplerate;
    out.channels = info.channels;
    out.bitsPerSample = bitsOf(info.format);
    out.frames = info.frames;
    out.format = subtypeName(info.format);
    return out;
}

Result<PcmAudio> readWav(const QString& path) {
    SF_INFO info;
    auto handle = openForReading(path, info);
    if (!handle) return Error{handle.error()};
    PcmAudio out;
    out.sampleRate = info.samplerate;
    out.channels = info.channels;
    // Decode in blocks rather than trusting the header's frame count: a truncated file says
    // more frames than it holds, and a damaged header can claim an absurd length.
    constexpr sf_count_t kBlockFrames = 8192;
    std::vector<std::int16_t> block(static_cast<size_t>(kBlockFrames * info.channels));
    for (;;) {
        const sf_count_t got = sf_readf_short(handle->get(), block.data(), kBlockFrames);
        if (got <= 0) break;
        out.samples.insert(out.samples.end(), block.begin(), block.begin() + got * info.channels);
    }
    if (sf_error(handle->get()) != SF_ERR_NO_ERROR && out.samples.empty()) {
        return Error{QCoreApplication::translate("WavFile", "%1 cannot be decoded: %2")
                         .arg(path, QString::fromUtf8(sf_strerror(handle->get())))};
    }
    return out;
}

PcmAudio toMono22050(const PcmAudio& in) {
    PcmAudio out;
    out.sampleRate = kTargetRate;
    out.channels = 1;
    const int channels = std::max(in.channels, 1);
    const std::int64_t frames = static_cast<std::int64_t>(in.samples.size()) / channels;
    if (frames == 0 || in.sampleRate <= 0) return out;

    std::vector<double> mono(static_cast<size_t>(frames));
    for (std::int64_t f = 0; f < frames; ++f) {
        double sum = 0;
        for (int c = 0; c < channels; ++c) sum += in.samples[static_cast<size_t>(f * channels + c)];
        mono[static_cast<size_t>(f)] = sum / channels;
    }

    const double step = static_cast<double>(in.sampleRate) / kTargetRate;
    const auto outFrames = static_cast<std::int64_t>(std::llround(frames / step));
    out.samples.resize(static_cast<size_t>(std::max<std::int64_t>(outFrames, 1)));
    for (size_t i = 0; i < out.samples.size(); ++i) {
        const double pos = static_cast<double>(i) * step;
        const auto left = std::min(static_cast<std::int64_t>(pos), frames - 1);
        const auto right = std::min(left + 1, frames - 1);
        const double t = pos - static_cast<double>(left);
        const double v = mono[static_cast<size_t>(left)] * (1 - t) + mono[static_cast<size_t>(right)] * t;
        out.samples[i] = static_cast<std::int16_t>(std::clamp(std::lround(v), -32768L, 32767L));
    }
    return out;
}

namespace {

// The encodings a file can be written in, by the names probeWav reports.
int subtypeFromName(const QString& name) {
    for (const int subtype :
         {SF_FORMAT_PCM_16, SF_FORMAT_PCM_U8, SF_FORMAT_PCM_24, SF_FORMAT_PCM_32, SF_FORMAT_FLOAT, SF_FORMAT_ULAW,
          SF_FORMAT_ALAW, SF_FORMAT_IMA_ADPCM, SF_FORMAT_MS_ADPCM, SF_FORMAT_GSM610}) {
        if (subtypeName(subtype) == name) return subtype;
    }
    return 0;
}

}  // namespace

Status writeWav(const QString& path, const PcmAudio& audio) {
    return writeWavAs(path, audio, QStringLiteral("PCM_16"));
}

Status writeWavAs(const QString& path, const PcmAudio& audio, const QString& format) {
    const auto fail = [&path](const QString& why) {
        return Error{QCoreApplication::translate("WavFile", "%1 cannot be written: %2").arg(path, why)};
    };
    const int subtype = subtypeFromName(format);
    if (subtype == 0) return fail(QCoreApplication::translate("WavFile", "unknown sound encoding %1").arg(format));
    if (audio.channels <= 0 || audio.sampleRate <= 0)
        return fail(QCoreApplication::translate("WavFile", "no sound format"));
    SF_INFO info{};
    info.samplerate = audio.sampleRate;
    info.channels = audio.channels;
    info.format = SF_FORMAT_WAV | subtype;
    if (!sf_format_check(&info))
        return fail(QCoreApplication::translate("WavFile", "%1 cannot hold this sound").arg(format));

    // Written into a sibling that replaces the target only once it is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return fail(file.errorString());
    {
        SndfileHandle out(sf_open_fd(file.handle(), SFM_WRITE, &info, SF_FALSE));
        if (!out) {
            file.cancelWriting();
            return fail(QString::fromUtf8(sf_strerror(nullptr)));
        }
        const sf_count_t frames = audio.frames();
        if (sf_writef_short(out.get(), audio.samples.data(), frames) != frames) {
            const QString why = QString::fromUtf8(sf_strerror(out.get()));
            file.cancelWriting();
            return fail(why);
        }
    }  // closing writes the final header
    if (!file.commit()) return fail(file.errorString());
    return {};
}
