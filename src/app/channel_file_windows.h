#pragma once

#include "app/file_picker_window.h"

namespace r5 {

// Form_open_chann: loads a ".chann" file into the image. A file that cannot be
// read, ends early or holds something that is not a radio value is reported
// and leaves the image exactly as it was.
class Form_open_chann : public FilePickerWindow {
    Q_OBJECT
public:
    explicit Form_open_chann(AppState& state, QWidget* parent = nullptr);
    QRect initialGeometry(const QSize& mainWindowSize) const override;

protected:
    bool act(const QString& path) override;
};

// Form_save_chann: writes the image to a ".chann" file, replacing one of that
// name; a failed save leaves an existing file as it was.
class Form_save_chann : public FilePickerWindow {
    Q_OBJECT
public:
    explicit Form_save_chann(AppState& state, QWidget* parent = nullptr);
    QRect initialGeometry(const QSize& mainWindowSize) const override;

protected:
    bool act(const QString& path) override;
};

} // namespace r5
