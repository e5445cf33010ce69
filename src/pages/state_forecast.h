#pragma once

// A watched station's forecasts, from its pop-up menu: the state-wide
// forecast in the text window, and the forecast of the station's zone in the
// small forecast window. Index is the station's slot, 0 to 9.

void Show_State_Forecast(int Index);
void Show_City_Forecast(int Index);
