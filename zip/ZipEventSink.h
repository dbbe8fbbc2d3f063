#pragma once
// What the workers of a reader or a writer (the directory reading, the
// extraction and Zip runs) ask of it beyond its settings, its handlers and
// its archive: the message pump with the cancel it may bring, the next disk
// of a set, and the archive open with a current directory.

class TObject;

class ZipEventSink {
public:
    // The component the events name as their sender.
    virtual TObject* Sender() = 0;
    // Pumps messages when the settings ask for it; a pending cancel raises EUserCanceled.
    virtual void ProcessMessages() = 0;
    // Whether a cancel was asked for since the last look; it is forgotten.
    virtual bool TakeCancel() = 0;
    // Opens disk diskNumber (1-based) of a set through OnGetNextDisk.
    virtual void AskForNewDisk(int diskNumber) = 0;
    // Reads the directory of the archive (as ReadZip).
    virtual void ReadDirectory() = 0;
    // Opens the archive when closed and reads its directory unless the one held is current.
    virtual void OpenZip() = 0;
    // Closes the archive unless KeepZipOpen is set.
    virtual void CloseZip() = 0;

protected:
    ~ZipEventSink() = default;
};
