// The screen controls on a real terminal: each case runs the probe program
// (sondaPausa.cpp) on a pseudo-terminal of its own and types at it.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>

#include "TerminalDePrueba.h"

namespace {

constexpr const char* kAviso = "Presione una tecla para continuar . . . ";

// How long a pause that must go on waiting is watched.
constexpr int kSigueEsperandoMs = 300;

// A terminal's own default mode with a few marks of its own: the key mode
// changes VMIN and VTIME, so they start at values that no key mode uses,
// and the erase key is not the usual one. Whatever puts back some
// standard mode instead of the one found shows up.
termios modoDePartida() {
  termios modo{};
  int maestro = -1;
  int esclavo = -1;
  if (openpty(&maestro, &esclavo, nullptr, nullptr, nullptr) == 0) {
    tcgetattr(esclavo, &modo);
    close(esclavo);
    close(maestro);
  }
  modo.c_cc[VMIN] = 3;
  modo.c_cc[VTIME] = 7;
  modo.c_cc[VERASE] = 0x08;
  modo.c_iflag |= IUTF8;
  return modo;
}

void compararModo(const termios& hallado, const termios& esperado) {
  EXPECT_EQ(hallado.c_iflag, esperado.c_iflag);
  EXPECT_EQ(hallado.c_oflag, esperado.c_oflag);
  EXPECT_EQ(hallado.c_cflag, esperado.c_cflag);
  EXPECT_EQ(hallado.c_lflag, esperado.c_lflag);
  for (int i = 0; i < NCCS; ++i) {
    EXPECT_EQ(hallado.c_cc[i], esperado.c_cc[i]) << "c_cc[" << i << "]";
  }
}

// What the terminal shows for `tecleado` in line mode: its echo, each line
// end as carriage return and line feed; an end of input (Ctrl+D) shows
// nothing.
std::string eco(const std::string& tecleado) {
  std::string mostrado;
  for (const char c : tecleado) {
    if (c == '\x04') {
      continue;
    }
    mostrado += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  return mostrado;
}

// Starts the probe, types `respuesta` for its first read and waits until it
// pauses: the prompt is shown and the terminal has left line mode.
void hastaLaPausa(TerminalDePrueba& terminal, const std::string& respuesta) {
  ASSERT_TRUE(terminal.abierta());
  ASSERT_TRUE(terminal.lanzar({SONDA_PAUSA}));
  terminal.teclear(respuesta);
  ASSERT_TRUE(terminal.esperarSalida(eco(respuesta) + kAviso))
      << terminal.salida();
  ASSERT_TRUE(terminal.esperarModo(true)) << "the pause never took a key mode";
}

// The pause goes on: nothing more is shown and the probe neither ends nor
// stops.
void sigueEsperando(TerminalDePrueba& terminal) {
  const std::string antes = terminal.salida();
  terminal.recogerSalida(kSigueEsperandoMs);
  ASSERT_EQ(terminal.salida(), antes);
  int estado = 0;
  ASSERT_FALSE(terminal.esperarEstado(estado, 0)) << "status " << estado;
  const termios modo = terminal.modo();
  ASSERT_EQ(modo.c_lflag & (ICANON | ECHO), 0u);
  ASSERT_NE(modo.c_lflag & ISIG, 0u) << "Ctrl+C must still interrupt";
}

void terminaBien(TerminalDePrueba& terminal) {
  int estado = 0;
  ASSERT_TRUE(terminal.esperarEstado(estado));
  EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0)
      << "status " << estado;
}

// The clear's escape sequence only where TERM names a terminal that has
// cursor control; elsewhere a form feed, as off a terminal.
TEST(PantallaEnTerminal, LimpiarEscribeSuSecuencia) {
  struct Caso {
    const char* term;  // nullptr: unset
    const char* limpiar;
  };
  const Caso casos[] = {
      {"xterm", "\x1b[H\x1b[2J\x1b[3J"},
      {"dumb", "\f"},
      {"", "\f"},
      {nullptr, "\f"},
  };
  const char* original = std::getenv("TERM");
  const std::string guardado = original == nullptr ? "" : original;
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.term == nullptr ? "(unset)" : caso.term);
    if (caso.term == nullptr) {
      unsetenv("TERM");
    } else {
      setenv("TERM", caso.term, 1);
    }
    TerminalDePrueba terminal(modoDePartida());
    ASSERT_TRUE(terminal.abierta());
    ASSERT_TRUE(terminal.lanzar({SONDA_PAUSA, "limpiar"}));
    ASSERT_NO_FATAL_FAILURE(terminaBien(terminal));
    const std::string esperada = std::string("<") + caso.limpiar + ">";
    terminal.esperarSalida(esperada);
    EXPECT_EQ(terminal.salida(), esperada);
  }
  if (original == nullptr) {
    unsetenv("TERM");
  } else {
    setenv("TERM", guardado.c_str(), 1);
  }
}

struct CasoTecla {
  const char* nombre;
  const char* respuesta;  // typed for the read before the pause
  const char* tecla;      // the key press that ends it
  const char* despues;    // typed once the pause has ended
  const char* leido;      // what the probe's next read then gives
};

// Pauses the probe, watches it wait, ends the pause with the case's key and
// checks what the probe's next read gets and the mode it is left in.
void probarTecla(const CasoTecla& caso) {
  const termios partida = modoDePartida();
  TerminalDePrueba terminal(partida);
  ASSERT_NO_FATAL_FAILURE(hastaLaPausa(terminal, caso.respuesta));
  ASSERT_NO_FATAL_FAILURE(sigueEsperando(terminal));

  terminal.teclear(caso.tecla);
  const std::string hastaFin = eco(caso.respuesta) + kAviso + "\r\n";
  ASSERT_TRUE(terminal.esperarSalida(hastaFin)) << terminal.salida();
  ASSERT_TRUE(terminal.esperarModo(false));
  terminal.teclear(caso.despues);
  ASSERT_NO_FATAL_FAILURE(terminaBien(terminal));
  const std::string esperada =
      hastaFin + eco(caso.despues) + caso.leido + "\r\n";
  terminal.esperarSalida(esperada);
  EXPECT_EQ(terminal.salida(), esperada);
  compararModo(terminal.modo(), partida);
}

TEST(PantallaEnTerminal, LaPausaEsperaUnaTeclaYNoLaEntrega) {
  const CasoTecla casos[] = {
      {"letra", "7\n", "x", "5\n", "leido 5"},
      {"Enter", "7\n", "\r", "5\n", "leido 5"},
      {"espacio", "7\n", " ", "5\n", "leido 5"},
      {"cifra", "7\n", "9", "5\n", "leido 5"},
      {"flecha", "7\n", "\x1b[A", "5\n", "leido 5"},
      {"flecha de aplicacion", "7\n", "\x1bOA", "5\n", "leido 5"},
      {"Ctrl+flecha", "7\n", "\x1b[1;5A", "5\n", "leido 5"},
      {"F1", "7\n", "\x1bOP", "5\n", "leido 5"},
      {"F5", "7\n", "\x1b[15~", "5\n", "leido 5"},
      {"Alt+x", "7\n", "\x1bx", "5\n", "leido 5"},
      {"Esc", "7\n", "\x1b", "5\n", "leido 5"},
      {"Alt+enie", "7\n", "\x1b\xc3\xb1", "5\n", "leido 5"},
      {"F1 de la consola de Linux", "7\n", "\x1b[[A", "5\n", "leido 5"},
      {"enie", "7\n", "\xc3\xb1", "5\n", "leido 5"},
      {"euro", "7\n", "\xe2\x82\xac", "5\n", "leido 5"},
      {"emoji", "7\n", "\xf0\x9f\x98\x80", "5\n", "leido 5"},
      // An answer the program has read ahead stays for its next read.
      {"respuesta ya leida", "7 8\n", "x", "", "leido 8"},
      // Answers typed ahead, still in the terminal, neither end the pause
      // nor get lost, whole lines or half of one.
      {"respuesta adelantada", "7\n8\n", "x", "", "leido 8"},
      {"respuestas adelantadas", "7\n\n8 9\n", "x", "", "leido 8"},
      {"media respuesta adelantada", "7\n8", "x", "\n", "leido 8"},
      // An end of input typed ahead (Ctrl+D on an empty line) is no key,
      // and the read after the pause finds it.
      {"fin de entrada adelantado", "7\n\x04", "x", "", "sin numero"},
      {"fin tras respuesta adelantada", "7\n8\n\x04", "x", "", "leido 8"},
      // What follows an end of input typed ahead is no key either.
      {"respuesta tras el fin adelantado",
       "7\n\x04"
       "8\n",
       "x", "", "sin numero"},
      {"media respuesta tras el fin adelantado",
       "7\n\x04"
       "8",
       "x", "", "sin numero"},
      // What is typed right after the key is no part of it.
      {"tecla y respuesta", "7\n", "x5\n", "", "leido 5"},
      {"flecha y respuesta", "7\n", "\x1b[B5\n", "", "leido 5"},
  };
  for (const CasoTecla& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    probarTecla(caso);
    if (HasFailure()) {
      return;  // every failing case costs seconds of waits
    }
  }
}

struct CasoSenal {
  const char* nombre;
  const char* tecla;  // typed to raise the signal; nullptr: sent with kill
  int senal;
};

TEST(PantallaEnTerminal, UnaSenalDuranteLaPausaDejaElModoComoEstaba) {
  const CasoSenal casos[] = {
      {"Ctrl+C", "\x03", SIGINT},    {"Ctrl+\\", "\x1c", SIGQUIT},
      {"SIGTERM", nullptr, SIGTERM}, {"SIGHUP", nullptr, SIGHUP},
      {"SIGINT", nullptr, SIGINT},
  };
  for (const CasoSenal& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const termios partida = modoDePartida();
    TerminalDePrueba terminal(partida);
    ASSERT_NO_FATAL_FAILURE(hastaLaPausa(terminal, "7\n"));
    if (caso.tecla != nullptr) {
      terminal.teclear(caso.tecla);
    } else {
      terminal.enviarSenal(caso.senal);
    }
    int estado = 0;
    ASSERT_TRUE(terminal.esperarEstado(estado)) << "the probe did not end";
    EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == caso.senal)
        << "status " << estado;
    compararModo(terminal.modo(), partida);
  }
}

struct CasoParada {
  const char* nombre;
  const char* tecla;  // typed to stop the probe; nullptr: SIGTSTP sent
};

// Stopped twice, so that the first continue must have set everything up
// again: the key mode and the handling of the next stop. After each
// continue the message is written again on a line of its own.
TEST(PantallaEnTerminal, CtrlZParaConElModoNormalYLaPausaSigue) {
  const CasoParada casos[] = {
      {"Ctrl+Z", "\x1a"},
      {"SIGTSTP", nullptr},
  };
  for (const CasoParada& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const termios partida = modoDePartida();
    TerminalDePrueba terminal(partida);
    ASSERT_NO_FATAL_FAILURE(hastaLaPausa(terminal, "7\n"));
    std::string mostrado = eco("7\n") + kAviso;
    for (int vez = 1; vez <= 2; ++vez) {
      SCOPED_TRACE(vez);
      if (caso.tecla != nullptr) {
        terminal.teclear(caso.tecla);
      } else {
        terminal.enviarSenal(SIGTSTP);
      }
      int estado = 0;
      ASSERT_TRUE(terminal.esperarEstado(estado)) << "the probe did not stop";
      ASSERT_TRUE(WIFSTOPPED(estado) && WSTOPSIG(estado) == SIGTSTP)
          << "status " << estado;
      compararModo(terminal.modo(), partida);

      terminal.enviarSenal(SIGCONT);
      ASSERT_TRUE(terminal.esperarModo(true)) << "no key mode after continue";
      mostrado += std::string("\r\n") + kAviso;
      ASSERT_TRUE(terminal.esperarSalida(mostrado)) << terminal.salida();
      ASSERT_NO_FATAL_FAILURE(sigueEsperando(terminal));
    }
    terminal.teclear("x");
    const std::string hastaFin = mostrado + "\r\n";
    ASSERT_TRUE(terminal.esperarSalida(hastaFin)) << terminal.salida();
    ASSERT_TRUE(terminal.esperarModo(false));
    terminal.teclear("5\n");
    ASSERT_NO_FATAL_FAILURE(terminaBien(terminal));
    const std::string esperada = hastaFin + eco("5\n") + "leido 5\r\n";
    terminal.esperarSalida(esperada);
    EXPECT_EQ(terminal.salida(), esperada);
    compararModo(terminal.modo(), partida);
  }
}

}  // namespace
