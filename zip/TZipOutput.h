#pragma once
// Where the writer's bytes go. A single archive is written into a new file
// beside it and moved over the archive's name only once it is complete and
// flushed, so a failed run leaves any old archive as it was. A multi-disk set
// is written straight into its pieces (name.001, name.002, ...) or onto its
// disks, each filled up to its room.

#include "zip/TMultiZipInfo.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class TBufferedFileStream;
class TZipMedia;
class VolumeLabels;

class TZipOutput {
public:
    struct Settings {
        QString zipName;
        TMultiZipInfo multi;
        qint64 firstDiskReserve = 0; // kept free on the first disk (mmSpan)
        bool flushOnClose = false;
        TZipMedia* media = nullptr;
        // Asks for the next disk (1-based) and may change the name; empty cancels.
        std::function<void(int disk, QString& name)> nextDisk;
        // Tells that disk (1-based) is about to be written.
        std::function<void(int disk)> prepareDisk;
    };

    explicit TZipOutput(Settings settings);
    // Deletes what the run was writing unless Finish succeeded.
    ~TZipOutput();
    TZipOutput(const TZipOutput&) = delete;
    TZipOutput& operator=(const TZipOutput&) = delete;

    void Open();
    // Writes all of data: a short write raises ENotEnoughRoom, a disk past
    // 4 GiB EZipTooLarge. Never moves to another disk itself.
    void Write(const void* data, qint64 size);
    // Overwrites bytes already written on the current disk and returns to its end.
    void Rewrite(qint64 offset, const QByteArray& data);

    int Disk() const { return m_disk; }
    qint64 Position() const { return m_position; }
    // Room left on the current disk (multi-disk runs).
    qint64 RoomLeft() const { return m_room - m_position; }
    void NextDisk();

    // Completes the run: closes (flushing), moves a single archive over its
    // name, names a one-piece set like the archive. Returns the archive's
    // final name (the last piece of a set).
    QString Finish();

private:
    QString PieceName(int disk) const;
    void Create(const QString& name);
    void LabelDisk();
    void CloseCurrent();

    Settings m_settings;
    std::unique_ptr<TBufferedFileStream> m_file;
    QString m_current;
    QStringList m_created;
    int m_disk = 0;
    qint64 m_position = 0;
    qint64 m_room = 0;
    bool m_finished = false;
};
