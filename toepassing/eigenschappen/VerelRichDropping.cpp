#include "toepassing/eigenschappen/VerelRichDropping.h"

VerelRichDropping::VerelRichDropping(wxRichTextCtrl* rijk) : TrivaneRichDropping(rijk, wxSize(100, 100)) {}
