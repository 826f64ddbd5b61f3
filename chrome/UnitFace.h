#pragma once
// The hidden holder of the skin bitmap. It is never shown; the skin painter reads its picture.
#include "toolkit/Form.h"
#include "toolkit/Image.h"

class TFrmFace : public TForm {
public:
    explicit TFrmFace(TComponent* owner);
    ~TFrmFace() override;

    // The skin: 100 x 50 pixels, 24 bits, from the program's "SKIN" bitmap resource.
    TImage* ImageFace = nullptr;
};

// The one holder, created by the first skin build with the application as owner; null before that and
// again once the application has destroyed it.
extern TFrmFace* FrmFace;
