// Los controles de pantalla en un terminal de verdad: cada caso ejecuta el
// programa sonda (sondaPausa.cpp) en un pseudoterminal propio y teclea en él.
#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "TerminalDePrueba.h"

namespace {

// El aviso de la pausa tal como lo escribe la sonda con la salida en una
// tubería, donde la pausa escribe su aviso y un fin de línea sin esperar
// tecla: en el terminal ha de verse el mismo aviso.
const std::string& avisoDePausa() {
  static const std::string aviso = [] {
    std::string salida;
    std::FILE* sonda = popen("echo 7 | '" SONDA_PAUSA "'", "r");
    if (sonda != nullptr) {
      for (int c = std::fgetc(sonda); c != EOF; c = std::fgetc(sonda)) {
        salida += static_cast<char>(c);
      }
      pclose(sonda);
    }
    return salida.substr(0, salida.find('\n'));
  }();
  return aviso;
}

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
void hastaLaPausa(TerminalDePrueba& terminal, const std::string& respuesta,
                  const Arranque& arranque = Arranque(),
                  const char* modoDeLaSonda = nullptr) {
  ASSERT_TRUE(terminal.abierta());
  ASSERT_FALSE(avisoDePausa().empty()) << "la sonda no hizo su pausa";
  std::vector<std::string> argumentos = {SONDA_PAUSA};
  if (modoDeLaSonda != nullptr) {
    argumentos.emplace_back(modoDeLaSonda);
  }
  ASSERT_TRUE(terminal.lanzar(argumentos, arranque));
  terminal.teclear(respuesta);
  ASSERT_TRUE(terminal.esperarSalida(enTerminal(respuesta) + avisoDePausa()))
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

// Termina con una tecla la pausa, que ha mostrado `mostrado`, y da 5 a la
// lectura de después; el terminal acaba en el modo `partida`.
void terminarLaPausa(TerminalDePrueba& terminal, const std::string& mostrado,
                     const termios& partida) {
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
      enTerminal(caso.respuesta) + avisoDePausa() + "\r\n";
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
  const char* modo = nullptr;  // el modo de la sonda, si no es el de siempre
  int muere = 0;               // la señal de la que muere, si no es `senal`
};

// Una señal que termina el programa durante la pausa deja el terminal en el
// modo exacto que tenía, y el programa muere de esa misma señal. Así también
// std::terminate, que aquí llama el manejador de SIGUSR1 de la propia sonda
// (la pausa lo respeta): el programa aborta como lo haría sin la pausa.
TEST(PantallaEnTerminal, UnaSenalDuranteLaPausaDejaElModoComoEstaba) {
  const CasoSenal casos[] = {
      {"Ctrl+C", "\x03", SIGINT},
      {"Ctrl+\\", "\x1c", SIGQUIT},
      {"SIGTERM", nullptr, SIGTERM},
      {"SIGHUP", nullptr, SIGHUP},
      {"SIGINT", nullptr, SIGINT},
      {"SIGUSR1", nullptr, SIGUSR1},
      {"SIGUSR2", nullptr, SIGUSR2},
      {"SIGALRM", nullptr, SIGALRM},
      {"SIGVTALRM", nullptr, SIGVTALRM},
      {"SIGPROF", nullptr, SIGPROF},
      {"SIGXCPU", nullptr, SIGXCPU},
      {"SIGXFSZ", nullptr, SIGXFSZ},
      {"SIGPIPE", nullptr, SIGPIPE},
      {"SIGABRT", nullptr, SIGABRT},
      {"SIGRTMIN", nullptr, SIGRTMIN},
      {"SIGRTMAX", nullptr, SIGRTMAX},
      {"std::terminate", nullptr, SIGUSR1, "terminar", SIGABRT},
  };
  for (const CasoSenal& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const termios partida = modoDePartida();
    TerminalDePrueba terminal(partida);
    ASSERT_NO_FATAL_FAILURE(
        hastaLaPausa(terminal, "7\n", Arranque(), caso.modo));
    if (caso.tecla != nullptr) {
      terminal.teclear(caso.tecla);
    } else {
      terminal.enviarSenal(caso.senal);
    }
    const int muere = caso.muere != 0 ? caso.muere : caso.senal;
    int estado = 0;
    ASSERT_TRUE(terminal.esperarEstado(estado)) << "la sonda no terminó";
    EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == muere)
        << "estado " << estado;
    compararModo(terminal.modo(), partida);
  }
}

struct CasoParada {
  const char* nombre;
  const char* tecla;  // se teclea para parar la sonda; nullptr: con kill
  int senal;
};

// Se para dos veces, para que la primera continuación tenga que haberlo
// preparado todo otra vez: el modo de tecla y el manejo de la siguiente
// parada. Tras cada continuación el aviso se escribe de nuevo en su línea.
TEST(PantallaEnTerminal, CtrlZParaConElModoNormalYLaPausaSigue) {
  const CasoParada casos[] = {
      {"Ctrl+Z", "\x1a", SIGTSTP},
      {"SIGTSTP", nullptr, SIGTSTP},
      {"SIGTTIN", nullptr, SIGTTIN},
      {"SIGTTOU", nullptr, SIGTTOU},
  };
  for (const CasoParada& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const termios partida = modoDePartida();
    TerminalDePrueba terminal(partida);
    ASSERT_NO_FATAL_FAILURE(hastaLaPausa(terminal, "7\n"));
    std::string mostrado = enTerminal("7\n") + avisoDePausa();
    for (int vez = 1; vez <= 2; ++vez) {
      SCOPED_TRACE(vez);
      if (caso.tecla != nullptr) {
        terminal.teclear(caso.tecla);
      } else {
        terminal.enviarSenal(caso.senal);
      }
      int estado = 0;
      ASSERT_TRUE(terminal.esperarEstado(estado)) << "la sonda no se paró";
      ASSERT_TRUE(WIFSTOPPED(estado) && WSTOPSIG(estado) == caso.senal)
          << "estado " << estado;
      compararModo(terminal.modo(), partida);

      terminal.enviarSenal(SIGCONT);
      ASSERT_TRUE(terminal.esperarModo(true))
          << "sin modo de tecla tras continuar";
      mostrado += "\r\n" + avisoDePausa();
      ASSERT_TRUE(terminal.esperarSalida(mostrado)) << terminal.salida();
      ASSERT_NO_FATAL_FAILURE(sigueEsperando(terminal));
    }
    ASSERT_NO_FATAL_FAILURE(terminarLaPausa(terminal, mostrado, partida));
  }
}

// Un SIGCONT que no sigue a ninguna parada, o una señal que se ignoraba al
// arrancar, no cambian nada: la pausa sigue esperando sin repetir el aviso.
TEST(PantallaEnTerminal, UnaSenalSinEfectoNoCambiaLaPausa) {
  struct Caso {
    int senal;
    bool ignorada;  // al arrancar
  };
  const Caso casos[] = {{SIGCONT, false},
                        {SIGHUP, true},
                        {SIGINT, true},
                        {SIGUSR1, true},
                        {SIGTSTP, true}};
  for (const Caso& caso : casos) {
    SCOPED_TRACE(strsignal(caso.senal));
    const termios partida = modoDePartida();
    TerminalDePrueba terminal(partida);
    Arranque arranque;
    if (caso.ignorada) {
      arranque.ignoradas = {caso.senal};
    }
    ASSERT_NO_FATAL_FAILURE(hastaLaPausa(terminal, "7\n", arranque));
    for (int vez = 1; vez <= 3; ++vez) {
      terminal.enviarSenal(caso.senal);
    }
    ASSERT_NO_FATAL_FAILURE(sigueEsperando(terminal));
    ASSERT_NO_FATAL_FAILURE(
        terminarLaPausa(terminal, enTerminal("7\n") + avisoDePausa(), partida));
  }
}

// Tras Ctrl+Z el intérprete de órdenes toma el terminal, y el programa sigue en
// segundo plano (bg): la pausa espera sin tocar el terminal, aunque quien la
// lanzó ignore SIGTTOU y el terminal admitiera el cambio. De vuelta al primer
// plano, pone el modo de tecla, repite el aviso y espera su tecla.
TEST(PantallaEnTerminal, EnSegundoPlanoLaPausaNoTocaElTerminal) {
  for (const bool ignoraSigttou : {false, true}) {
    SCOPED_TRACE(ignoraSigttou ? "SIGTTOU ignorada" : "SIGTTOU por omisión");
    const termios partida = modoDePartida();
    TerminalDePrueba terminal(partida);
    Arranque arranque;
    if (ignoraSigttou) {
      arranque.ignoradas = {SIGTTOU};
    }
    ASSERT_NO_FATAL_FAILURE(hastaLaPausa(terminal, "7\n", arranque));
    terminal.teclear("\x1a");
    int estado = 0;
    ASSERT_TRUE(terminal.esperarEstado(estado) && WIFSTOPPED(estado))
        << "estado " << estado;
    ASSERT_TRUE(terminal.primerPlano(false));
    terminal.enviarSenal(SIGCONT);

    const std::string mostrado = terminal.salida();
    terminal.recogerSalida(TerminalDePrueba::kSigueEsperandoMs);
    EXPECT_EQ(terminal.salida(), mostrado);
    ASSERT_FALSE(terminal.esperarEstado(estado, 0)) << "estado " << estado;
    compararModo(terminal.modo(), partida);

    ASSERT_TRUE(terminal.primerPlano(true));
    ASSERT_TRUE(terminal.esperarModo(true))
        << "sin modo de tecla en primer plano";
    const std::string repetido = mostrado + "\r\n" + avisoDePausa();
    ASSERT_TRUE(terminal.esperarSalida(repetido)) << terminal.salida();
    ASSERT_NO_FATAL_FAILURE(sigueEsperando(terminal));
    ASSERT_NO_FATAL_FAILURE(terminarLaPausa(terminal, repetido, partida));
  }
}

// La pantalla de la pausa sale antes de que cambie el modo del terminal: si
// no se puede escribir, la sonda termina con el terminal como estaba, muerta
// por la señal de la escritura o, si la ignora, con el mensaje de error.
TEST(PantallaEnTerminal, SiLaPantallaNoSaleElModoNoCambia) {
  struct Caso {
    const char* nombre;
    bool tuberia;        // la salida; si no, un fichero que no puede crecer
    int senal;           // la de esa escritura
    const char* motivo;  // el del error si la señal se ignora; si no, nullptr
  };
  const Caso casos[] = {
      {"tubería sin lector", true, SIGPIPE, nullptr},
      {"tubería sin lector, SIGPIPE ignorada", true, SIGPIPE, "Tubería rota"},
      {"fichero sin sitio", false, SIGXFSZ, nullptr},
      {"fichero sin sitio, SIGXFSZ ignorada", false, SIGXFSZ,
       "Fichero demasiado grande"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    const termios partida = modoDePartida();
    TerminalDePrueba terminal(partida);
    ASSERT_TRUE(terminal.abierta());
    int extremos[2] = {-1, -1};
    if (caso.tuberia) {
      ASSERT_EQ(pipe(extremos), 0);
      close(extremos[0]);
    } else {
      std::FILE* fichero = std::tmpfile();
      ASSERT_NE(fichero, nullptr);
      extremos[1] = dup(fileno(fichero));
      std::fclose(fichero);
    }
    Arranque arranque;
    arranque.salida = extremos[1];
    arranque.limiteDeFichero = 0;
    if (caso.motivo != nullptr) {
      arranque.ignoradas = {caso.senal};
    }
    ASSERT_TRUE(terminal.lanzar({SONDA_PAUSA}, arranque));
    close(extremos[1]);
    terminal.teclear("7\n");
    int estado = 0;
    ASSERT_TRUE(terminal.esperarEstado(estado)) << "la sonda no terminó";
    if (caso.motivo == nullptr) {
      EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == caso.senal)
          << "estado " << estado;
    } else {
      EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 1)
          << "estado " << estado;
      EXPECT_TRUE(terminal.esperarSalida(
          std::string("sondaPausa: no se puede escribir en la salida: ") +
          caso.motivo + "\r\n"))
          << terminal.salida();
    }
    compararModo(terminal.modo(), partida);
  }
}

}  // namespace
