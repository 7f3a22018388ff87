#pragma once
// The picture clip's own members: a picture cut into a grid of Rows by Cols cells, or clipped to a region.
// A program holds pictures as file paths, so a cell or a clipped region is read as the path of a PNG file
// the control writes into a folder of its own, which goes with the control.

#include <quorvane/member_object.h>

#include <QImage>
#include <QTemporaryDir>
#include <memory>

namespace qv::picclip
{

class ClipMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Picture READ picture WRITE setPicture STORED false)
    Q_PROPERTY(int Rows READ rows WRITE setRows STORED true)
    Q_PROPERTY(int Cols READ cols WRITE setCols STORED true)
    Q_PROPERTY(int ClipX READ clipX WRITE setClipX STORED true)
    Q_PROPERTY(int ClipY READ clipY WRITE setClipY STORED true)
    Q_PROPERTY(int ClipWidth READ clipWidth WRITE setClipWidth STORED true)
    Q_PROPERTY(int ClipHeight READ clipHeight WRITE setClipHeight STORED true)
    // The region ClipX, ClipY, ClipWidth and ClipHeight give, as a PNG file; empty with no picture.
    Q_PROPERTY(QString Clip READ clip STORED false)
    // The size of one cell of the grid, in pixels.
    Q_PROPERTY(int CellWidth READ cellWidth STORED false)
    Q_PROPERTY(int CellHeight READ cellHeight STORED false)
public:
    // The picture clip object the module made, holding the grid and region it was stored with.
    explicit ClipMembers(QObject &pictureClip);

    // Cell Index of the grid, counted from 0 along each row, as a PNG file.
    Q_INVOKABLE QString GraphicCell(int Index);

    QString picture() const { return picturePath_; }
    void setPicture(const QString &path);
    int rows() const { return part("Rows"); }
    void setRows(int rows) { setGridPart("Rows", rows); }
    int cols() const { return part("Cols"); }
    void setCols(int cols) { setGridPart("Cols", cols); }
    int clipX() const { return part("ClipX"); }
    void setClipX(int x) { setClipPart("ClipX", x); }
    int clipY() const { return part("ClipY"); }
    void setClipY(int y) { setClipPart("ClipY", y); }
    int clipWidth() const { return part("ClipWidth"); }
    void setClipWidth(int width) { setClipPart("ClipWidth", width); }
    int clipHeight() const { return part("ClipHeight"); }
    void setClipHeight(int height) { setClipPart("ClipHeight", height); }
    QString clip();
    int cellWidth() const;
    int cellHeight() const;

private:
    int part(const char *name) const;
    void setGridPart(const char *name, int count);
    void setClipPart(const char *name, int pixels);
    // The part of the picture as a PNG file of the control's folder, or empty when it could not be written
    // (refused with why).
    QString written(const QRect &part, const QString &stem);

    QObject &pictureClip_;
    QString picturePath_;
    QImage picture_;
    std::unique_ptr<QTemporaryDir> folder_;
    int written_ = 0;
};

} // namespace qv::picclip
