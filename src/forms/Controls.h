#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

// The few kinds of control the windows need beyond Qt's own.
namespace forms {

QLabel *newLabel(const QString &name, QWidget *container);
// A push button on which Enter presses it when it has the focus.
QPushButton *newButton(const QString &name, const QString &caption, QWidget *container);

// A band: a frame that holds controls, such as the band of links at the foot
// of a window. Screen readers find a group, named by its accessible name, or a
// pane if it has none; never a window of its own inside the window.
class Band final : public QFrame {
    Q_OBJECT
public:
    Band(const QString &name, QWidget *container);
};

// A frame with a caption, in the windows' own style: an etched border whose top
// line runs through the middle of the caption, inset on the frame's background.
class CaptionedFrame final : public QGroupBox {
    Q_OBJECT
public:
    CaptionedFrame(const QString &name, const QString &caption, QWidget *container)
        : QGroupBox(caption, container)
    {
        setObjectName(name);
    }

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A push button with a face of one flat colour, its palette's button colour,
// in a raised border.
class FlatButton final : public QPushButton {
    Q_OBJECT
public:
    FlatButton(const QString &name, const QString &caption, QWidget *container)
        : QPushButton(caption, container)
    {
        setObjectName(name);
        setAutoDefault(true);
    }

protected:
    void paintEvent(QPaintEvent *event) override;
};

// A check box that reacts to a click anywhere in its box, where its mouse
// cursor shows that it can be clicked, not only on its mark and caption.
class CheckBox final : public QCheckBox {
    Q_OBJECT
public:
    CheckBox(const QString &name, QWidget *container)
        : QCheckBox(container)
    {
        setObjectName(name);
    }

protected:
    bool hitButton(const QPoint &position) const override { return rect().contains(position); }
};

// A link: underlined text, the pointing-hand cursor, and a click that runs one
// link operation. Pressed and released as any button, it draws its text as a
// label does (by default wrapped, left-aligned and centred top to bottom, in its
// palette's text colour), takes no focus and shows an ampersand as it is.
// Screen readers find a link, named by its text, that they can press.
class LinkLabel final : public QAbstractButton {
    Q_OBJECT
public:
    LinkLabel(const QString &name, QWidget *container);

    void setText(const QString &text);
    void setAlignment(Qt::Alignment alignment);
    void setWordWrap(bool on);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool m_wordWrap = true;
};

// A label sized to its text whose centre stays where it was put, so that a
// caption of any length sits centred on the same spot.
class FittedLabel final : public QLabel {
    Q_OBJECT
public:
    FittedLabel(const QString &name, QWidget *container)
        : QLabel(container)
    {
        setObjectName(name);
        setAlignment(Qt::AlignCenter);
    }
    void setCentre(QPoint centre);
    void setCaption(const QString &caption);

private:
    QPoint m_centre;
};

// A picture kept in renditions of one to four times its size, "<picture>@1x.png"
// to "<picture>@4x.png", in the one that suits the screen's scale: it stays crisp.
QPixmap pictureRendition(const QString &picture, qreal devicePixelRatio);

// A picture box that shows a picture and takes the focus.
class Picture final : public QLabel {
    Q_OBJECT
public:
    Picture(const QString &name, const QString &picture, QWidget *container);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const QString m_picture;
    QPixmap m_rendition;
};

// A picture that is clicked: the pointing hand, a thin border round the
// picture, and Enter or Space presses it as a click does.
class PictureButton final : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(const QString &name, const QString &picture, QWidget *container);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const QString m_picture;
    QPixmap m_rendition;
};

// A filled circle, in its palette's text colour: coloured as a text is.
class Shape final : public QWidget {
    Q_OBJECT
public:
    Shape(const QString &name, QWidget *container)
        : QWidget(container)
    {
        setObjectName(name);
    }

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace forms
