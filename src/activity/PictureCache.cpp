#include "activity/PictureCache.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>
#include <atomic>
#include <thread>

namespace {

// Decoded pictures kept: about forty large photographs' worth at their eighth.
constexpr qint64 kMaxBytes = 32 * 1024 * 1024;

QSize fractionFor(QSize full, QSize shown) {
    for (const int denominator : {8, 4, 2}) {
        const QSize part((full.width() + denominator - 1) / denominator,
                         (full.height() + denominator - 1) / denominator);
        if (part.width() >= shown.width() && part.height() >= shown.height()) return part;
    }
    return full;
}

}  // namespace

QString PictureCache::stampOf(const QString& path) {
    const QFileInfo info(path);
    return QString::number(info.size()) + u'|' + QString::number(info.lastModified().toMSecsSinceEpoch());
}

PictureCache::Entry PictureCache::decode(const QString& path, const QString& stamp, QSize size) {
    Entry entry;
    entry.stamp = stamp;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize full = reader.size();
    if (full.isValid() && size.isValid() && !size.isEmpty()) reader.setScaledSize(fractionFor(full, size));
    entry.decoded = reader.read();
    if (entry.decoded.isNull()) entry.error = reader.errorString();
    return entry;
}

bool PictureCache::covers(const QString& path, const QString& stamp, QSize size) const {
    const auto found = entries_.constFind(path);
    if (found == entries_.constEnd() || found->stamp != stamp) return false;
    // A picture that could not be read stays unreadable until the file changes.
    if (found->decoded.isNull()) return true;
    return found->decoded.width() >= size.width() && found->decoded.height() >= size.height();
}

void PictureCache::keep(const QString& path, Entry entry) {
    if (const auto old = entries_.constFind(path); old != entries_.constEnd()) bytes_ -= old->decoded.sizeInBytes();
    bytes_ += entry.decoded.sizeInBytes();
    if (bytes_ > kMaxBytes) {
        entries_.clear();
        bytes_ = entry.decoded.sizeInBytes();
    }
    entries_.insert(path, std::move(entry));
}

QImage PictureCache::at(const QString& path, QSize size, QString* error) {
    const QString stamp = stampOf(path);
    if (!covers(path, stamp, size)) keep(path, decode(path, stamp, size));
    const Entry& entry = entries_[path];
    if (entry.decoded.isNull()) {
        if (error != nullptr) *error = entry.error;
        return {};
    }
    if (!size.isValid() || size.isEmpty() || entry.decoded.size() == size) return entry.decoded;
    return entry.decoded.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PictureCache::prefetch(const std::vector<std::pair<QString, QSize>>& pictures) {
    struct Job {
        QString path;
        QString stamp;
        QSize size;
        Entry result;
    };
    std::vector<Job> jobs;
    for (const auto& [path, size] : pictures) {
        const QString stamp = stampOf(path);
        const bool queued = std::any_of(jobs.begin(), jobs.end(), [&path](const Job& j) { return j.path == path; });
        if (!queued && !covers(path, stamp, size)) jobs.push_back({path, stamp, size, {}});
    }
    if (jobs.empty()) return;
    const int workers =
        std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, static_cast<int>(jobs.size()));
    std::atomic<std::size_t> next{0};
    const auto work = [&jobs, &next] {
        for (std::size_t i = next++; i < jobs.size(); i = next++)
            jobs[i].result = decode(jobs[i].path, jobs[i].stamp, jobs[i].size);
    };
    std::vector<std::thread> threads;
    for (int t = 1; t < workers; ++t) threads.emplace_back(work);
    work();
    for (std::thread& t : threads) t.join();
    for (Job& job : jobs) keep(job.path, std::move(job.result));
}

void PictureCache::clear() {
    entries_.clear();
    bytes_ = 0;
}
