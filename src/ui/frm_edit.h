#pragma once

#include <QDialog>
#include <functional>

#include "render/image_surface.h"
#include "setup/field_editor.h"

class QCheckBox;
class QLineEdit;
class QScrollBar;

namespace tallowen {

class PictureStore;
class RandomSource;
class SettingsStore;

// The field editor: the drawing area with the brush as its pointer, the name, the side with its
// spinner, "Mirror" and "SAVE". Modal over the setup window; it stays open after saving.
class frmEdit : public QDialog {
    Q_OBJECT
public:
    frmEdit(FieldEditor& model, SettingsStore& store, FieldLibrary& library, PictureStore& pictures,
            RandomSource& random, QWidget* parent);

    // After a save: the library was reloaded with this selection.
    void setOnSaved(std::function<void(const FieldHandOver&)> onSaved) { onSaved_ = std::move(onSaved); }

    // Shows the field the model was loaded with (EDM), modal to the owner.
    void present();

    QWidget* picEdit() const { return picEdit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mirror();
    void redrawGrid();
    void drawCell(int x, int y);
    void paintCells(const std::vector<FieldEditor::Cell>& cells);

    FieldEditor& model_;
    SettingsStore& store_;
    FieldLibrary& library_;
    PictureStore& pictures_;
    RandomSource& random_;
    std::function<void(const FieldHandOver&)> onSaved_;
    QWidget* picEdit_;
    ImageSurface surface_;
    QLineEdit* Text1_;
    QLineEdit* Text2_;
    QScrollBar* HScroll1_;
    QCheckBox* Check1_;
    int drawnSide_ = 0;
};

}  // namespace tallowen
