#pragma once

#include "LiveObjectToken.h"
#include "VeldoSharedControlsGlobal.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class PropertyBag;

// Single-line text box with optional captions on its left and right, laid out as one unit.
// Its key events pass their arguments as pointers: a slot connected directly (the default for
// receivers on the same thread) may change *KeyAscii to substitute a character or set it to 0
// to cancel it, before the text box sees the key.
class VELDO_CONTROLS_EXPORT vdoEditBox : public QWidget
{
    Q_OBJECT
    Q_CLASSINFO("ClassName", "VeldoSharedControls.vdoEditBox")
    Q_CLASSINFO("ClassID", "{789AFE16-F59D-4923-84FC-2C01F655CE54}")
    Q_CLASSINFO("InterfaceID", "{490B8588-84AC-47CE-B2A8-8F5B6BFF7740}")
    Q_CLASSINFO("EventsID", "{96350053-0EF2-426F-BBA1-BF7B1A266E2F}")
    Q_CLASSINFO("DispId:0x68030000", "ReadOnly")
    Q_CLASSINFO("DispId:0x68030001", "RightCaption")
    Q_CLASSINFO("DispId:0x68030002", "Enabled")
    Q_CLASSINFO("DispId:0x68030003", "AutoCaptionHighlight")
    Q_CLASSINFO("DispId:0x68030004", "TextWidth")
    Q_CLASSINFO("DispId:0x68030005", "LeftCaption")
    Q_CLASSINFO("DispId:0x68030006", "AutoSize")
    Q_CLASSINFO("DispId:0x68030007", "TextLeft")
    Q_CLASSINFO("DispId:0x68030008", "Text")
    Q_CLASSINFO("DispId:0x68030009", "Changed")
    Q_CLASSINFO("DispId:0x6803000A", "EventsEnabled")
    Q_CLASSINFO("DispId:0x60030016", "Clear")
    Q_CLASSINFO("EventId:1", "Change")
    Q_CLASSINFO("EventId:2", "KeyPress")
    Q_CLASSINFO("EventId:3", "KeyDown")
    Q_CLASSINFO("EventId:4", "KeyUp")

    Q_PROPERTY(bool EventsEnabled READ eventsEnabled WRITE setEventsEnabled)
    Q_PROPERTY(bool Changed READ changed WRITE setChanged DESIGNABLE false STORED false)
    Q_PROPERTY(QString Text READ text WRITE setText)
    Q_PROPERTY(int TextLeft READ textLeft WRITE setTextLeft)
    Q_PROPERTY(bool AutoSize READ autoSize WRITE setAutoSize)
    Q_PROPERTY(QString LeftCaption READ leftCaption WRITE setLeftCaption)
    Q_PROPERTY(int TextWidth READ textWidth WRITE setTextWidth)
    Q_PROPERTY(bool AutoCaptionHighlight READ autoCaptionHighlight WRITE setAutoCaptionHighlight)
    // The designer keeps QWidget's own "enabled"; this one is for late-bound hosts.
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabledProperty DESIGNABLE false STORED false)
    Q_PROPERTY(QString RightCaption READ rightCaption WRITE setRightCaption)
    Q_PROPERTY(bool ReadOnly READ readOnly WRITE setReadOnly)

public:
    explicit vdoEditBox(QWidget *parent = nullptr);
    ~vdoEditBox() override;

    bool eventsEnabled() const { return m_eventsEnabled; }
    void setEventsEnabled(bool enabled) { m_eventsEnabled = enabled; }
    bool changed() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }
    QString text() const;
    void setText(const QString &text);
    int textLeft() const { return m_textLeft; }
    void setTextLeft(int left);
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    QString leftCaption() const;
    void setLeftCaption(const QString &caption);
    int textWidth() const { return m_textWidth; }
    void setTextWidth(int width);
    bool autoCaptionHighlight() const { return m_autoHighlight; }
    void setAutoCaptionHighlight(bool highlight) { m_autoHighlight = highlight; }
    void setEnabledProperty(bool enabled) { QWidget::setEnabled(enabled); }
    QString rightCaption() const;
    void setRightCaption(const QString &caption);
    bool readOnly() const;
    void setReadOnly(bool readOnly);

    Q_INVOKABLE void Clear();

    void readProperties(const PropertyBag &bag);
    void writeProperties(PropertyBag &bag) const;

    QSize sizeHint() const override;

signals:
    void Change();
    void KeyPress(qint16 *KeyAscii);
    void KeyDown(qint16 *KeyCode, qint16 *Shift);
    void KeyUp(qint16 *KeyCode, qint16 *Shift);
    // A saved setting changed; the host's property store should save the form again.
    void settingChanged(const QString &name);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void arrange();
    void onTextChanged();
    bool filterKey(QKeyEvent *event);
    void colourCaptions(bool focused);
    void applyEnabledColours();

    QLineEdit *Text1;
    QLabel *lblLeftCaption;
    QLabel *lblRightCaption;

    bool m_eventsEnabled = true;
    bool m_changed = false;
    bool m_autoSize = false;
    int m_textLeft = 0;
    int m_textWidth = 0;
    bool m_autoHighlight = true;
    bool m_forwardingKey = false;
    bool m_awaitingFormText = true; // see setText
    LiveObjectToken m_liveToken;
};
