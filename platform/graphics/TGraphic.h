#pragma once
// The family of pictures: bitmaps, icons, JPEG and the formats registered
// with TPicture. A graphic loads and saves its file format through streams,
// draws itself stretched onto a canvas, tells its holder of changes and of
// progress, and can stand on the clipboard.

#include "platform/graphics/GraphicsTypes.h"
#include "platform/graphics/TPersistent.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QRect>

class TCanvas;
class TPicture;

// The data of one clipboard format: the format's number and its bytes. For
// the bitmap format the bytes are a bitmap file.
struct TClipboardData {
    unsigned Format = 0;
    QByteArray Data;
    QList<QRgb> Palette;
};

class TGraphic : public TPersistent {
public:
    TGraphic() = default;
    ~TGraphic() override = default;

    bool Empty() const { return GetEmpty(); }
    int Width() const { return GetWidth(); }
    int Height() const { return GetHeight(); }
    void SetWidth(int value) { DoSetWidth(value); }
    void SetHeight(int value) { DoSetHeight(value); }
    bool Transparent() const { return GetTransparent(); }
    void SetTransparent(bool value);
    bool Modified() const { return m_modified; }
    void SetModified(bool value);
    // The colours of the picture's palette; empty when it has none.
    virtual QList<QRgb> GetPalette() const { return {}; }

    virtual void Draw(TCanvas& canvas, const QRect& rect) const = 0;
    virtual void LoadFromStream(QIODevice& stream) = 0;
    virtual void SaveToStream(QIODevice& stream) const = 0;
    void LoadFromFile(const QString& fileName);
    void SaveToFile(const QString& fileName) const;
    // Whole-file helpers over the stream operations.
    void LoadFromData(const QByteArray& data);
    QByteArray SaveToData() const;

    // The clipboard: the format and data this picture puts there, and
    // loading from data of a registered format.
    virtual void SaveToClipboardFormat(TClipboardData& data) const;
    virtual void LoadFromClipboardFormat(const TClipboardData& data);

    // Same class and same saved data.
    virtual bool Equals(const TGraphic* graphic) const;

    TNotifyEvent OnChange;
    TProgressEvent OnProgress;

protected:
    friend class TPicture;
    virtual bool GetEmpty() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual void DoSetWidth(int value) = 0;
    virtual void DoSetHeight(int value) = 0;
    virtual bool GetTransparent() const { return m_transparent; }
    // The data kept in form resources; by default the file format itself.
    virtual void ReadData(QIODevice& stream) { LoadFromStream(stream); }
    virtual void WriteData(QIODevice& stream) const { SaveToStream(stream); }

    virtual void Changed();
    void Progress(TProgressStage stage, int percent, const QString& message = {});
    bool InheritedTransparent() const { return m_transparent; }

private:
    bool m_transparent = false;
    bool m_modified = false;
};
