#include "chrome/UnitFace.h"

TFrmFace* FrmFace = nullptr;

TFrmFace::TFrmFace(TComponent* owner) : TForm(owner) {
    SetName("FrmFace");
    SetBorderStyle(bsNone);
    ImageFace = new TImage(this);
    ImageFace->SetName("ImageFace");
    ImageFace->SetParent(this);
    ImageFace->SetAutoSize(true);
    ImageFace->LoadFromResource(GetModuleHandleA(nullptr), "SKIN");
}

TFrmFace::~TFrmFace() {
    // The global must not outlive the form it names.
    if (FrmFace == this)
        FrmFace = nullptr;
}
