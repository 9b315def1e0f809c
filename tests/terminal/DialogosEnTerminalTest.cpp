// The five programs on a real terminal: each case runs one of them on a
// pseudo-terminal of its own, types each answer only once the program has
// asked for it, and accounts for every byte the terminal shows, in order:
// the program's output, the echo of what was typed, the clears and the
// pauses, up to the program's end.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <termios.h>

#include <csignal>
#include <string>
#include <vector>

#include "TerminalDePrueba.h"

namespace {

const std::string kLimpiar = "\x1b[H\x1b[2J\x1b[3J";
const std::string kAviso = "Presione una tecla para continuar . . . ";

// How long a wait that must go on is watched.
constexpr int kSigueEsperandoMs = 300;

const std::string kMenuPilas =
    "1. PUSH: insertar un elemento\n"
    "2. POP: sacar un elemento\n"
    "3. DELETE: borrar todos los elementos\n"
    "4. FIN\n";
const std::string kMenuLista =
    "1. INSERTAR NODO PRINCIPIO\n"
    "2. INSERTAR NODO FINAL\n"
    "3. BORRAR UN NODO\n"
    "4. BUSCAR UN NODO\n"
    "5. MOSTRAR LA LISTA\n"
    "6. FIN\n";

enum class Tipo {
  kTeclear,  // types `texto`; its echo must come next
  kSalida,   // `texto` must come next
  kHasta,    // `texto` must come later, with no clear and no pause before it
  kPausa,    // the pause's prompt comes next and it waits for a key, without
             // echo; then, unless `texto` is empty, the key `texto` ends it
  kTecla,    // during a pause, the key `texto` ends it: a line end follows
  kCtrlZ,    // during a pause, Ctrl+Z stops the program, the terminal back in
             // its normal mode; once continued, the pause waits again
  kEsperaEnter,  // nothing more comes; the program waits in line mode
  kFin,          // the program ends with status 0, showing nothing more
};

struct Paso {
  Tipo tipo;
  std::string texto;
};

Paso teclear(const std::string& texto) { return {Tipo::kTeclear, texto}; }
Paso salida(const std::string& texto) { return {Tipo::kSalida, texto}; }
Paso hasta(const std::string& texto) { return {Tipo::kHasta, texto}; }
Paso pausa(const std::string& tecla = "") { return {Tipo::kPausa, tecla}; }
Paso tecla(const std::string& tecla) { return {Tipo::kTecla, tecla}; }
Paso ctrlZ() { return {Tipo::kCtrlZ, ""}; }
Paso esperaEnter() { return {Tipo::kEsperaEnter, ""}; }
Paso fin() { return {Tipo::kFin, ""}; }

// How the terminal shows `texto`, written or echoed in line mode: each line
// end as carriage return and line feed; an end of input (Ctrl+D) shows
// nothing.
std::string enTerminal(const std::string& texto) {
  std::string mostrado;
  for (const char c : texto) {
    if (c == '\x04') {
      continue;
    }
    mostrado += c == '\n' ? std::string("\r\n") : std::string(1, c);
  }
  return mostrado;
}

// `texto` with its control characters spelled out, for the messages.
std::string visible(const std::string& texto) {
  std::string legible;
  for (const char c : texto) {
    if (c == '\x1b') {
      legible += "\\e";
    } else if (c == '\r') {
      legible += "\\r";
    } else if (c == '\n') {
      legible += "\\n\n";
    } else {
      legible += c;
    }
  }
  return legible;
}

// One run of a program on its terminal, followed step by step.
class Recorrido {
 public:
  explicit Recorrido(const char* programa) {
    partida_ = terminal_.modo();
    lanzado_ = terminal_.abierta() && terminal_.lanzar({programa});
  }

  Recorrido(const Recorrido&) = delete;
  Recorrido& operator=(const Recorrido&) = delete;

  bool lanzado() const { return lanzado_; }

  // Carries out `paso`; a failed check is a fatal failure of the test.
  void dar(const Paso& paso) {
    switch (paso.tipo) {
      case Tipo::kTeclear:
        terminal_.teclear(paso.texto);
        salida(paso.texto);
        break;
      case Tipo::kSalida:
        salida(paso.texto);
        break;
      case Tipo::kHasta:
        hasta(paso.texto);
        break;
      case Tipo::kPausa:
        pausa(paso.texto);
        break;
      case Tipo::kTecla:
        pulsar(paso.texto);
        break;
      case Tipo::kCtrlZ:
        pararYSeguir();
        break;
      case Tipo::kEsperaEnter:
        sigueEsperando(false);
        break;
      case Tipo::kFin:
        termina();
        break;
    }
  }

 private:
  // What was shown and no step has accounted for yet, for the messages.
  std::string resto() const {
    return visible(terminal_.salida().substr(visto_));
  }

  void salida(const std::string& texto) {
    const std::string esperado = enTerminal(texto);
    terminal_.esperarSalida(esperado, TerminalDePrueba::kEsperaMs, visto_);
    ASSERT_EQ(terminal_.salida().compare(visto_, esperado.size(), esperado), 0)
        << "expected next:\n"
        << visible(esperado) << "\nshown next:\n"
        << resto();
    visto_ += esperado.size();
  }

  void hasta(const std::string& texto) {
    const std::string esperado = enTerminal(texto);
    ASSERT_TRUE(
        terminal_.esperarSalida(esperado, TerminalDePrueba::kEsperaMs, visto_))
        << "expected later:\n"
        << visible(esperado) << "\nshown next:\n"
        << resto();
    const size_t donde = terminal_.salida().find(esperado, visto_);
    const std::string saltado =
        terminal_.salida().substr(visto_, donde - visto_);
    ASSERT_EQ(saltado.find(kLimpiar), std::string::npos) << visible(saltado);
    ASSERT_EQ(saltado.find(kAviso), std::string::npos) << visible(saltado);
    visto_ = donde + esperado.size();
  }

  void pausa(const std::string& tecla) {
    ASSERT_NO_FATAL_FAILURE(salida(kAviso));
    ASSERT_TRUE(terminal_.esperarModo(true)) << "the pause took no key mode";
    ASSERT_NO_FATAL_FAILURE(sigueEsperando(true));
    if (!tecla.empty()) {
      pulsar(tecla);
    }
  }

  void pulsar(const std::string& tecla) {
    terminal_.teclear(tecla);
    salida("\n");
  }

  // Nothing more is shown for a while, and the program neither ends nor
  // stops: it waits for a key (`enModoTecla`) or for a line.
  void sigueEsperando(bool enModoTecla) {
    terminal_.recogerSalida(kSigueEsperandoMs);
    ASSERT_EQ(terminal_.salida().size(), visto_) << "shown while waiting:\n"
                                                 << resto();
    int estado = 0;
    ASSERT_FALSE(terminal_.esperarEstado(estado, 0)) << "status " << estado;
    const tcflag_t lineas = terminal_.modo().c_lflag;
    if (enModoTecla) {
      ASSERT_EQ(lineas & (ICANON | ECHO), 0u);
      ASSERT_NE(lineas & ISIG, 0u) << "Ctrl+C must still interrupt";
    } else {
      ASSERT_EQ(lineas, partida_.c_lflag) << "not in the normal mode";
    }
  }

  void pararYSeguir() {
    terminal_.teclear("\x1a");
    int estado = 0;
    ASSERT_TRUE(terminal_.esperarEstado(estado)) << "it did not stop";
    ASSERT_TRUE(WIFSTOPPED(estado) && WSTOPSIG(estado) == SIGTSTP)
        << "status " << estado;
    const termios parado = terminal_.modo();
    EXPECT_EQ(parado.c_iflag, partida_.c_iflag);
    EXPECT_EQ(parado.c_oflag, partida_.c_oflag);
    EXPECT_EQ(parado.c_lflag, partida_.c_lflag);
    EXPECT_EQ(parado.c_cc[VMIN], partida_.c_cc[VMIN]);
    EXPECT_EQ(parado.c_cc[VTIME], partida_.c_cc[VTIME]);
    terminal_.enviarSenal(SIGCONT);
    ASSERT_TRUE(terminal_.esperarModo(true)) << "no key mode after continue";
    // The message again, on a line of its own below the shell's lines.
    ASSERT_NO_FATAL_FAILURE(salida("\n" + kAviso));
    ASSERT_NO_FATAL_FAILURE(sigueEsperando(true));
  }

  void termina() {
    int estado = 0;
    const bool terminado = terminal_.esperarEstado(estado);
    terminal_.recogerSalida(20);
    ASSERT_TRUE(terminado) << "it did not end; shown:\n" << resto();
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0)
        << "status " << estado;
    EXPECT_EQ(terminal_.salida().size(), visto_) << "shown at the end:\n"
                                                 << resto();
  }

  TerminalDePrueba terminal_;
  termios partida_{};  // the terminal's mode before the program starts
  bool lanzado_;
  size_t visto_ = 0;  // how much of what was shown the steps account for
};

struct Caso {
  const char* nombre;
  const char* programa;
  std::vector<Paso> pasos;
};

void PrintTo(const Caso& caso, std::ostream* salida) { *salida << caso.nombre; }

class DialogoEnTerminal : public testing::TestWithParam<Caso> {};

TEST_P(DialogoEnTerminal, LimpiaYEsperaEnSuSitio) {
  Recorrido recorrido(GetParam().programa);
  ASSERT_TRUE(recorrido.lanzado());
  int numero = 0;
  for (const Paso& paso : GetParam().pasos) {
    SCOPED_TRACE("step " + std::to_string(++numero));
    recorrido.dar(paso);
    if (HasFatalFailure()) {
      return;
    }
  }
}

const std::string kDiezVacios = "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 \n";

std::string cabecera(const std::string& mes) {
  return kLimpiar + "          VEDURIZ AZEZAVERI          \n" +
         "     NOMINA DEL MES DE " + mes + "     \n";
}

// One payslip on a terminal: month, bonus answer (and percentage), the
// cleared screen with the payslip down to `ultima`, the pause, the clear.
std::vector<Paso> nomina(const std::string& mes, const std::string& bonus,
                         const std::string& ultima, const std::string& tecla) {
  std::vector<Paso> pasos = {
      salida("Introduce el mes: "),
      teclear(mes + "\n"),
      salida("Este mes hay bonificacion? (1-Si, 2-No)"),
  };
  if (bonus.empty()) {
    pasos.push_back(teclear("2\n"));
  } else {
    pasos.push_back(teclear("1\n"));
    pasos.push_back(
        salida("De cuanto es esta bonificacion? (Valor entre 0% y 100%)"));
    pasos.push_back(teclear(bonus + "\n"));
  }
  pasos.insert(pasos.end(), {salida(cabecera(mes)), hasta(ultima), pausa(tecla),
                             salida(kLimpiar + "\n")});
  return pasos;
}

std::vector<Paso> nominas() {
  std::vector<Paso> pasos;
  // A key that reached the next read would show up in the next month.
  for (const auto& una : {nomina("Enero", "10", "Salario final: 1320\n", "1"),
                          nomina("Febrero", "", "Salario: 1275 euros.\n", "\r"),
                          nomina("Marzo", "", "Salario: 1000 euros.\n", "x"),
                          nomina("Abril", "", "Salario: 500 euros.\n", " ")}) {
    pasos.insert(pasos.end(), una.begin(), una.end());
  }
  pasos.insert(pasos.end(), {pausa("z"), fin()});
  return pasos;
}

// Where a key typed to end a pause would reach the next read, that read
// comes right after the pause and gets an answer it would refuse or mistake.
INSTANTIATE_TEST_SUITE_P(
    Programas, DialogoEnTerminal,
    testing::Values(
        Caso{"fixedstack",
             PROGRAMA_FIXEDSTACK,
             {salida(kMenuPilas), teclear("3\n"),
              salida(kLimpiar + "Que quieres borrar cola(1), pila(2)? "),
              teclear("1\n"),
              salida("Cola: \n" + kDiezVacios + "\nPila: \n" + kDiezVacios),
              pausa("x"), salida(kLimpiar + kMenuPilas), teclear("4\n"),
              salida(kLimpiar), fin()}},
        Caso{"fixedstack_CtrlZ",
             PROGRAMA_FIXEDSTACK,
             {salida(kMenuPilas), teclear("1\n"),
              salida(kLimpiar + "Que quieres usar cola(1), pila(2)? "),
              teclear("2\n"), salida("Que numero quieres introducir? "),
              teclear("7\n"),
              salida("\nCola: \n" + kDiezVacios +
                     "\nPila: \n7 -1 -1 -1 -1 -1 -1 -1 -1 -1 \n"),
              pausa(), ctrlZ(), tecla("5"), salida(kLimpiar + kMenuPilas),
              teclear("4\n"), salida(kLimpiar), fin()}},
        // An end of input typed ahead with the answers: the pause still
        // waits for a key, then the menu's read finds the end.
        Caso{"fixedstack_CtrlD",
             PROGRAMA_FIXEDSTACK,
             {salida(kMenuPilas), teclear("1\n"),
              salida(kLimpiar + "Que quieres usar cola(1), pila(2)? "),
              teclear("2\n7\n\x04"),
              salida("Que numero quieres introducir? \nCola: \n" + kDiezVacios +
                     "\nPila: \n7 -1 -1 -1 -1 -1 -1 -1 -1 -1 \n"),
              pausa("x"), salida(kLimpiar + kMenuPilas + "\n"), fin()}},
        Caso{
            "growstack",
            PROGRAMA_GROWSTACK,
            {salida("Quieres construirlo por defecto(1) o con parametros(2)? "),
             teclear("2\n"), salida("Que tamanio quieres de inicio? "),
             teclear("3\n"), salida("Que tamanio de crecimiento deseas? "),
             teclear("2\n"), salida(kLimpiar + kMenuPilas), teclear("1\n"),
             salida(kLimpiar + "Que quieres usar cola(1), pila(2)? "),
             teclear("1\n"), salida("Que numero quieres introducir? "),
             teclear("7\n"), salida("\nCola: 7 -1 -1 \n\nPila: -1 -1 -1 \n\n"),
             pausa("3"), salida(kLimpiar + kMenuPilas), teclear("4\n"),
             salida(kLimpiar), fin()}},
        Caso{
            "shapestack",
            PROGRAMA_SHAPESTACK,
            {salida(kMenuPilas),
             teclear("1\n"),
             salida(kLimpiar + "Que quieres usar cola(1), pila(2)? "),
             teclear("1\n"),
             salida("Que objeto quieres introducir cuadrado(1) o circulo(2)? "),
             teclear("1\n"),
             salida("\nQue color tiene el cuadrado? "),
             teclear("Rojo\n"),
             salida("Que lado tiene el cuadrado? "),
             teclear("3\n"),
             salida(kLimpiar +
                    "Cola 1: \n"
                    "Figura con la forma Cuadrado y el color Rojo\n"
                    "Estoy dibujando un cuadrado con lado 3\n"
                    "Estoy coloreando un cuadrado con el color Rojo\n\n\n"),
             pausa("q"),
             salida(kLimpiar + "\n"),
             pausa("7"),
             salida(kLimpiar + kMenuPilas),
             teclear("2\n"),
             salida(kLimpiar + "Que quieres usar cola(1), pila(2)? "),
             teclear("2\n"),
             salida(kLimpiar + "Cola 1: \n"),
             hasta("con el color Rojo\n\n\n"),
             pausa("\x1b[A"),
             salida(kLimpiar + "\n"),
             pausa("\r"),
             salida(kLimpiar + kMenuPilas),
             teclear("4\n"),
             salida(kLimpiar),
             fin()}},
        Caso{"nodelist",
             PROGRAMA_NODELIST,
             {salida(kMenuLista),
              teclear("1\n"),
              salida(kLimpiar + "Introduce un dato: "),
              teclear("5\n"),
              pausa("a"),
              salida(kLimpiar + kMenuLista),
              teclear("2\n"),
              salida(kLimpiar + "Introduce un dato: "),
              teclear("8\n"),
              pausa("\x1b[A"),
              salida(kLimpiar + kMenuLista),
              teclear("3\n"),
              salida(kLimpiar + "Que nodo quieres borrar? "),
              teclear("5\n"),
              salida(kMenuLista),
              teclear("4\n"),
              salida(kLimpiar + "Introduce un dato: "),
              teclear("8\n"),
              pausa("4"),
              salida(kLimpiar + kMenuLista),
              teclear("5\n"),
              salida(kLimpiar + "Lista: \n8\n"),
              pausa("6"),
              salida(kLimpiar + kMenuLista),
              teclear("6\n"),
              salida(kLimpiar),
              esperaEnter(),
              teclear("\n"),
              fin()}},
        Caso{"payslips", PROGRAMA_PAYSLIPS, nominas()}),
    [](const testing::TestParamInfo<Caso>& info) {
      return std::string(info.param.nombre);
    });

}  // namespace
