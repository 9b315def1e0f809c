// Los controles de pantalla en un terminal de verdad: cada caso ejecuta el
// programa sonda (sondaPausa.cpp) en un pseudoterminal propio y teclea en él.
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

// El modo por omisión de un terminal con unas marcas propias: el modo de
// tecla cambia VMIN y VTIME, así que empiezan en valores que ningún modo de
// tecla usa, y la tecla de borrar no es la habitual. Se nota así quien
// restaure un modo estándar en lugar del que encontró.
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

// El modo hallado es el esperado: sus marcas y cada carácter de control.
void compararModo(const termios& hallado, const termios& esperado) {
  EXPECT_EQ(hallado.c_iflag, esperado.c_iflag);
  EXPECT_EQ(hallado.c_oflag, esperado.c_oflag);
  EXPECT_EQ(hallado.c_cflag, esperado.c_cflag);
  EXPECT_EQ(hallado.c_lflag, esperado.c_lflag);
  for (int i = 0; i < NCCS; ++i) {
    EXPECT_EQ(hallado.c_cc[i], esperado.c_cc[i]) << "c_cc[" << i << "]";
  }
}

// Arranca la sonda, teclea `respuesta` para su primera lectura y espera a
// que haga la pausa: el aviso está a la vista y el terminal ha dejado el
// modo de líneas.
void hastaLaPausa(TerminalDePrueba& terminal, const std::string& respuesta) {
  ASSERT_TRUE(terminal.abierta());
  ASSERT_TRUE(terminal.lanzar({SONDA_PAUSA}));
  terminal.teclear(respuesta);
  ASSERT_TRUE(terminal.esperarSalida(enTerminal(respuesta) + kAvisoDePausa))
      << terminal.salida();
  ASSERT_TRUE(terminal.esperarModo(true))
      << "la pausa no pasó nunca a un modo de tecla";
}

// La pausa sigue: no se muestra nada más y la sonda ni termina ni se para.
void sigueEsperando(TerminalDePrueba& terminal) {
  const std::string antes = terminal.salida();
  terminal.recogerSalida(TerminalDePrueba::kSigueEsperandoMs);
  ASSERT_EQ(terminal.salida(), antes);
  int estado = 0;
  ASSERT_FALSE(terminal.esperarEstado(estado, 0)) << "estado " << estado;
  const termios modo = terminal.modo();
  ASSERT_EQ(modo.c_lflag & (ICANON | ECHO), 0u);
  ASSERT_NE(modo.c_lflag & ISIG, 0u) << "Ctrl+C debe seguir interrumpiendo";
}

// La sonda termina con estado 0.
void terminaBien(TerminalDePrueba& terminal) {
  int estado = 0;
  ASSERT_TRUE(terminal.esperarEstado(estado));
  EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0)
      << "estado " << estado;
}

// La secuencia de escape del borrado solo donde TERM nombra un terminal con
// control del cursor; en otro caso un salto de página, como fuera de un
// terminal.
TEST(PantallaEnTerminal, LimpiarEscribeSuSecuencia) {
  struct Caso {
    const char* term;  // nullptr: sin definir
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
    SCOPED_TRACE(caso.term == nullptr ? "(sin definir)" : caso.term);
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
  const char* respuesta;  // lo tecleado para la lectura antes de la pausa
  const char* tecla;      // la pulsación que la termina
  const char* despues;    // lo tecleado cuando la pausa ya ha terminado
  const char* leido;      // lo que da entonces la siguiente lectura
};

// Detiene la sonda en la pausa, comprueba que espera, termina la pausa con la
// tecla del caso y comprueba lo que recibe la siguiente lectura y el modo en
// que queda el terminal.
void probarTecla(const CasoTecla& caso) {
  const termios partida = modoDePartida();
  TerminalDePrueba terminal(partida);
  ASSERT_NO_FATAL_FAILURE(hastaLaPausa(terminal, caso.respuesta));
  ASSERT_NO_FATAL_FAILURE(sigueEsperando(terminal));

  terminal.teclear(caso.tecla);
  const std::string hastaFin =
      enTerminal(caso.respuesta) + kAvisoDePausa + "\r\n";
  ASSERT_TRUE(terminal.esperarSalida(hastaFin)) << terminal.salida();
  ASSERT_TRUE(terminal.esperarModo(false));
  terminal.teclear(caso.despues);
  ASSERT_NO_FATAL_FAILURE(terminaBien(terminal));
  const std::string esperada =
      hastaFin + enTerminal(caso.despues) + caso.leido + "\r\n";
  terminal.esperarSalida(esperada);
  EXPECT_EQ(terminal.salida(), esperada);
  compararModo(terminal.modo(), partida);
}

// La pausa espera una pulsación nueva, de uno o de varios bytes, y no la
// entrega a la lectura siguiente.
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
      // Una respuesta que el programa ya ha leído queda para su siguiente
      // lectura.
      {"respuesta ya leida", "7 8\n", "x", "", "leido 8"},
      // Las respuestas adelantadas, aún en el terminal, ni terminan la
      // pausa ni se pierden, sean líneas enteras o media línea.
      {"respuesta adelantada", "7\n8\n", "x", "", "leido 8"},
      {"respuestas adelantadas", "7\n\n8 9\n", "x", "", "leido 8"},
      {"media respuesta adelantada", "7\n8", "x", "\n", "leido 8"},
      // Un fin de entrada adelantado (Ctrl+D en una línea vacía) no es una
      // tecla, y lo encuentra la lectura de después de la pausa.
      {"fin de entrada adelantado", "7\n\x04", "x", "", "sin numero"},
      {"fin tras respuesta adelantada", "7\n8\n\x04", "x", "", "leido 8"},
      // Lo que sigue a un fin de entrada adelantado tampoco es una tecla.
      {"respuesta tras el fin adelantado",
       "7\n\x04"
       "8\n",
       "x", "", "sin numero"},
      {"media respuesta tras el fin adelantado",
       "7\n\x04"
       "8",
       "x", "", "sin numero"},
      // Lo tecleado justo después de la tecla no forma parte de ella.
      {"tecla y respuesta", "7\n", "x5\n", "", "leido 5"},
      {"flecha y respuesta", "7\n", "\x1b[B5\n", "", "leido 5"},
  };
  for (const CasoTecla& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    probarTecla(caso);
    if (HasFailure()) {
      return;  // cada caso que falla cuesta segundos de esperas
    }
  }
}

struct CasoSenal {
  const char* nombre;
  const char* tecla;  // se teclea para provocar la señal; nullptr: con kill
  int senal;
};

// Una señal que termina el programa durante la pausa deja el terminal en el
// modo exacto que tenía, y el programa muere de esa misma señal.

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
    ASSERT_TRUE(terminal.esperarEstado(estado)) << "la sonda no terminó";
    EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == caso.senal)
        << "estado " << estado;
    compararModo(terminal.modo(), partida);
  }
}

struct CasoParada {
  const char* nombre;
  const char* tecla;  // se teclea para parar la sonda; nullptr: con SIGTSTP
};

// Se para dos veces, para que la primera continuación tenga que haberlo
// preparado todo otra vez: el modo de tecla y el manejo de la siguiente
// parada. Tras cada continuación el aviso se escribe de nuevo en su línea.
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
    std::string mostrado = enTerminal("7\n") + kAvisoDePausa;
    for (int vez = 1; vez <= 2; ++vez) {
      SCOPED_TRACE(vez);
      if (caso.tecla != nullptr) {
        terminal.teclear(caso.tecla);
      } else {
        terminal.enviarSenal(SIGTSTP);
      }
      int estado = 0;
      ASSERT_TRUE(terminal.esperarEstado(estado)) << "la sonda no se paró";
      ASSERT_TRUE(WIFSTOPPED(estado) && WSTOPSIG(estado) == SIGTSTP)
          << "estado " << estado;
      compararModo(terminal.modo(), partida);

      terminal.enviarSenal(SIGCONT);
      ASSERT_TRUE(terminal.esperarModo(true))
          << "sin modo de tecla tras continuar";
      mostrado += "\r\n" + kAvisoDePausa;
      ASSERT_TRUE(terminal.esperarSalida(mostrado)) << terminal.salida();
      ASSERT_NO_FATAL_FAILURE(sigueEsperando(terminal));
    }
    terminal.teclear("x");
    const std::string hastaFin = mostrado + "\r\n";
    ASSERT_TRUE(terminal.esperarSalida(hastaFin)) << terminal.salida();
    ASSERT_TRUE(terminal.esperarModo(false));
    terminal.teclear("5\n");
    ASSERT_NO_FATAL_FAILURE(terminaBien(terminal));
    const std::string esperada = hastaFin + enTerminal("5\n") + "leido 5\r\n";
    terminal.esperarSalida(esperada);
    EXPECT_EQ(terminal.salida(), esperada);
    compararModo(terminal.modo(), partida);
  }
}

}  // namespace
