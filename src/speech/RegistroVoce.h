#pragma once

#include <QLoggingCategory>

// "ertavino.speech": one debug line per speech request (speak, stop, voice,
// speed). Off by default; QT_LOGGING_RULES="ertavino.speech.debug=true"
// shows what the program tried to say, also on a machine with no sound.
Q_DECLARE_LOGGING_CATEGORY(registroVoce)
