#include "platform/QtWaveRecorder.h"

#include <QAudioSource>
#include <QCoreApplication>
#include <QMediaDevices>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

template <typename T>
T sampleAt(const char* data, qsizetype index) {
    T value;
    std::memcpy(&value, data + index * static_cast<qsizetype>(sizeof(T)), sizeof(T));
    return value;
}

std::int16_t fromFloat(float v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<std::int16_t>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
}

}  // namespace

PcmAudio pcmFromBytes(const QByteArray& bytes, const QAudioFormat& format) {
    PcmAudio out;
    out.sampleRate = format.sampleRate();
    out.channels = std::max(format.channelCount(), 1);
    const int width = format.bytesPerSample();
    if (width <= 0) return out;
    // Whole frames only: a recording stopped mid-frame leaves a few stray bytes.
    const qsizetype frameBytes = static_cast<qsizetype>(width) * out.channels;
    const qsizetype count = bytes.size() / frameBytes * out.channels;
    out.samples.resize(static_cast<size_t>(count));
    const char* data = bytes.constData();
    for (qsizetype i = 0; i < count; ++i) {
        std::int16_t s = 0;
        switch (format.sampleFormat()) {
            case QAudioFormat::UInt8:
                s = static_cast<std::int16_t>((sampleAt<std::uint8_t>(data, i) - 128) * 256);
                break;
            case QAudioFormat::Int16:
                s = sampleAt<std::int16_t>(data, i);
                break;
            case QAudioFormat::Int32:
                s = static_cast<std::int16_t>(sampleAt<std::int32_t>(data, i) >> 16);
                break;
            case QAudioFormat::Float:
                s = fromFloat(sampleAt<float>(data, i));
                break;
            default:
                break;
        }
        out.samples[static_cast<size_t>(i)] = s;
    }
    return out;
}

float peakOf(const PcmAudio& audio) {
    int largest = 0;
    for (const std::int16_t s : audio.samples) largest = std::max(largest, std::abs(static_cast<int>(s)));
    return static_cast<float>(largest) / 32768.0f;
}

QtWaveRecorder::QtWaveRecorder() : sink_(&recorded_) {}

QtWaveRecorder::~QtWaveRecorder() { close(); }

Status QtWaveRecorder::start() {
    close();
    recorded_.clear();
    measured_ = 0;
    level_ = peak_ = 0.0f;
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    if (device.isNull()) return Error{QCoreApplication::translate("QtWaveRecorder", "No microphone was found.")};
    QAudioFormat wanted;
    wanted.setSampleRate(22050);
    wanted.setChannelCount(1);
    wanted.setSampleFormat(QAudioFormat::Int16);
    // Take what the microphone offers when it cannot do 22050 Hz mono; save() converts.
    format_ = device.isFormatSupported(wanted) ? wanted : device.preferredFormat();
    if (!format_.isValid()) {
        return Error{QCoreApplication::translate("QtWaveRecorder", "The microphone %1 offers no sound format.")
                         .arg(device.description())};
    }
    source_ = std::make_unique<QAudioSource>(device, format_);
    sink_.open(QIODevice::WriteOnly | QIODevice::Append);
    source_->start(&sink_);
    if (source_->error() != QAudio::NoError || source_->state() == QAudio::StoppedState) {
        close();
        return Error{QCoreApplication::translate("QtWaveRecorder", "The microphone %1 cannot be opened.")
                         .arg(device.description())};
    }
    return {};
}

Status QtWaveRecorder::save(const QString& path) {
    if (source_) source_->stop();  // takes in what the device still holds
    const PcmAudio recorded = pcmFromBytes(recorded_, format_);
    if (recorded.samples.empty())
        return Error{
            QCoreApplication::translate("QtWaveRecorder", "Nothing was recorded, so %1 was not written.").arg(path)};
    return writeWav(path, toMono22050(recorded));
}

void QtWaveRecorder::close() {
    if (source_) {
        source_->stop();
        source_.reset();
    }
    if (sink_.isOpen()) sink_.close();
}

void QtWaveRecorder::measure() {
    const qsizetype frameBytes = static_cast<qsizetype>(format_.bytesPerSample()) * std::max(format_.channelCount(), 1);
    if (frameBytes <= 0) return;
    const qsizetype end = recorded_.size() / frameBytes * frameBytes;
    if (end <= measured_) return;
    level_ = peakOf(pcmFromBytes(recorded_.mid(measured_, end - measured_), format_));
    peak_ = std::max(peak_, level_);
    measured_ = end;
}

float QtWaveRecorder::level() {
    if (!source_) return 0.0f;
    measure();
    return level_;
}

float QtWaveRecorder::peak() {
    measure();
    return peak_;
}
