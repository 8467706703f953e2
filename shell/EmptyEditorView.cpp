#include "shell/EmptyEditorView.h"

IMPLEMENT_DYNCREATE(EmptyEditorView, CView)
