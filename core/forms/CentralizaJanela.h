#pragma once
// Centring a window on the desktop.

class TForm;

// Centres the window on the desktop, keeping its size.
void CentralizaJanela(TForm* janela);
