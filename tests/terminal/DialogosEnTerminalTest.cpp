// Los programas en un terminal de verdad: cada caso ejecuta uno de ellos en
// un pseudoterminal propio, teclea cada respuesta solo cuando el programa la
// ha pedido y da cuenta, en orden, de cada byte que muestra el terminal: la
// salida del programa, el eco de lo tecleado, los borrados de pantalla y las
// pausas, hasta el final del programa.
//
// Cada programa de la lista de la compilación (CONSOLAS_PROGRAMAS) ha de
// tener aquí al menos un caso; si no, la prueba CasosEnTerminal lo dice.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <termios.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "TerminalDePrueba.h"

namespace {

// El borrado de pantalla en un terminal con control del cursor.
const std::string kLimpiar = "\x1b[H\x1b[2J\x1b[3J";

// Los menús tal como los escriben los programas.
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

// El lenguaje de los pasos de un caso. Un paso nuevo es un valor más aquí,
// una función que lo construye y su rama en Recorrido::dar.
enum class Tipo {
  kTeclear,  // teclea `texto`; a continuación ha de llegar su eco
  kSalida,   // a continuación ha de llegar `texto`
  kHasta,    // `texto` ha de llegar más adelante, sin borrado ni pausa antes
  kPausa,    // llega el aviso de la pausa y espera una tecla, sin eco; luego,
             // si `texto` no está vacío, la tecla `texto` la termina
  kTecla,    // durante una pausa, la tecla `texto` la termina: sigue un fin
             // de línea
  kCtrlZ,    // durante una pausa, Ctrl+Z para el programa con el terminal en
             // su modo normal; al continuar, la pausa espera otra vez
  kEsperaEnter,  // no llega nada más; el programa espera en modo de líneas
  kFin,          // el programa termina con estado 0 sin mostrar nada más
};

struct Paso {
  Tipo tipo;
  std::string texto;
};

// Una función por tipo de paso, para que cada caso se lea como un guion.
Paso teclear(const std::string& texto) { return {Tipo::kTeclear, texto}; }
Paso salida(const std::string& texto) { return {Tipo::kSalida, texto}; }
Paso hasta(const std::string& texto) { return {Tipo::kHasta, texto}; }
Paso pausa(const std::string& tecla = "") { return {Tipo::kPausa, tecla}; }
Paso tecla(const std::string& tecla) { return {Tipo::kTecla, tecla}; }
Paso ctrlZ() { return {Tipo::kCtrlZ, ""}; }
Paso esperaEnter() { return {Tipo::kEsperaEnter, ""}; }
Paso fin() { return {Tipo::kFin, ""}; }

// `texto` con sus caracteres de control a la vista, para los mensajes.
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

// Una ejecución de un programa en su terminal, seguida paso a paso.
class Recorrido {
 public:
  Recorrido(const std::string& programa, bool sinBloqueo)
      : sinBloqueo_(sinBloqueo) {
    partida_ = terminal_.modo();
    Arranque arranque;
    arranque.sinBloqueo = sinBloqueo;
    lanzado_ = terminal_.abierta() && terminal_.lanzar({programa}, arranque);
  }

  Recorrido(const Recorrido&) = delete;
  Recorrido& operator=(const Recorrido&) = delete;

  bool lanzado() const { return lanzado_; }

  // Da el paso `paso`; una comprobación que falla es un fallo fatal.
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
  // Lo mostrado de lo que aún no ha dado cuenta ningún paso, para los
  // mensajes.
  std::string resto() const {
    return visible(terminal_.salida().substr(visto_));
  }

  void salida(const std::string& texto) {
    const std::string esperado = enTerminal(texto);
    terminal_.esperarSalida(esperado, TerminalDePrueba::kEsperaMs, visto_);
    ASSERT_EQ(terminal_.salida().compare(visto_, esperado.size(), esperado), 0)
        << "se esperaba a continuación:\n"
        << visible(esperado) << "\nse mostró a continuación:\n"
        << resto();
    visto_ += esperado.size();
  }

  void hasta(const std::string& texto) {
    const std::string esperado = enTerminal(texto);
    ASSERT_TRUE(
        terminal_.esperarSalida(esperado, TerminalDePrueba::kEsperaMs, visto_))
        << "se esperaba más adelante:\n"
        << visible(esperado) << "\nse mostró a continuación:\n"
        << resto();
    const size_t donde = terminal_.salida().find(esperado, visto_);
    const std::string saltado =
        terminal_.salida().substr(visto_, donde - visto_);
    ASSERT_EQ(saltado.find(kLimpiar), std::string::npos) << visible(saltado);
    ASSERT_EQ(saltado.find(kAvisoDePausa), std::string::npos)
        << visible(saltado);
    visto_ = donde + esperado.size();
  }

  void pausa(const std::string& tecla) {
    ASSERT_NO_FATAL_FAILURE(salida(kAvisoDePausa));
    ASSERT_TRUE(terminal_.esperarModo(true))
        << "la pausa no pasó a un modo de tecla";
    ASSERT_NO_FATAL_FAILURE(sigueEsperando(true));
    if (!tecla.empty()) {
      pulsar(tecla);
    }
  }

  void pulsar(const std::string& tecla) {
    terminal_.teclear(tecla);
    salida("\n");
  }

  // Durante un rato no se muestra nada más y el programa ni termina ni se
  // para: espera una tecla (`enModoTecla`) o una línea.
  void sigueEsperando(bool enModoTecla) {
    terminal_.recogerSalida(TerminalDePrueba::kSigueEsperandoMs);
    ASSERT_EQ(terminal_.salida().size(), visto_)
        << "se mostró mientras esperaba:\n"
        << resto();
    int estado = 0;
    ASSERT_FALSE(terminal_.esperarEstado(estado, 0)) << "estado " << estado;
    const tcflag_t lineas = terminal_.modo().c_lflag;
    if (enModoTecla) {
      ASSERT_EQ(lineas & (ICANON | ECHO), 0u);
      ASSERT_NE(lineas & ISIG, 0u) << "Ctrl+C debe seguir interrumpiendo";
    } else {
      ASSERT_EQ(lineas, partida_.c_lflag) << "no está en el modo normal";
    }
  }

  // Ctrl+Z durante la pausa: parado, el terminal ha de estar en su modo
  // normal; al continuar, la pausa vuelve al modo de tecla y repite el aviso.
  void pararYSeguir() {
    terminal_.teclear("\x1a");
    int estado = 0;
    ASSERT_TRUE(terminal_.esperarEstado(estado)) << "no se paró";
    ASSERT_TRUE(WIFSTOPPED(estado) && WSTOPSIG(estado) == SIGTSTP)
        << "estado " << estado;
    const termios parado = terminal_.modo();
    EXPECT_EQ(parado.c_iflag, partida_.c_iflag);
    EXPECT_EQ(parado.c_oflag, partida_.c_oflag);
    EXPECT_EQ(parado.c_lflag, partida_.c_lflag);
    EXPECT_EQ(parado.c_cc[VMIN], partida_.c_cc[VMIN]);
    EXPECT_EQ(parado.c_cc[VTIME], partida_.c_cc[VTIME]);
    terminal_.enviarSenal(SIGCONT);
    ASSERT_TRUE(terminal_.esperarModo(true))
        << "sin modo de tecla tras continuar";
    // El aviso otra vez, en una línea propia bajo las del intérprete de
    // órdenes.
    ASSERT_NO_FATAL_FAILURE(salida("\n" + kAvisoDePausa));
    ASSERT_NO_FATAL_FAILURE(sigueEsperando(true));
  }

  void termina() {
    int estado = 0;
    const bool terminado = terminal_.esperarEstado(estado);
    terminal_.recogerSalida(20);
    ASSERT_TRUE(terminado) << "no terminó; se mostró:\n" << resto();
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0)
        << "estado " << estado;
    EXPECT_EQ(terminal_.salida().size(), visto_) << "se mostró al final:\n"
                                                 << resto();
    EXPECT_EQ(terminal_.sinBloqueo(), sinBloqueo_)
        << "el programa cambió las marcas del terminal";
  }

  TerminalDePrueba terminal_;
  termios partida_{};  // el modo del terminal antes de arrancar el programa
  bool sinBloqueo_;    // el terminal empezó sin bloqueo (O_NONBLOCK)
  bool lanzado_;
  size_t visto_ = 0;  // cuánto de lo mostrado han explicado ya los pasos
};

// Un caso: su nombre, el programa (como se llama en CONSOLAS_PROGRAMAS), sus
// pasos y si el terminal empieza sin bloqueo (O_NONBLOCK), como lo dejaría
// otro programa.
struct Caso {
  const char* nombre;
  const char* programa;
  std::vector<Paso> pasos;
  bool sinBloqueo = false;
};

void PrintTo(const Caso& caso, std::ostream* salida) { *salida << caso.nombre; }

// Una prueba por caso: da sus pasos en orden y se detiene en el primero
// que falla.
// Cada diálogo corre en un terminal con control del cursor, sea cual sea el
// TERM de quien lanza las pruebas: los pasos esperan la secuencia del
// borrado, no el salto de página de un terminal sin cursor.
class DialogoEnTerminal : public testing::TestWithParam<Caso> {
 protected:
  static void SetUpTestSuite() { setenv("TERM", "xterm", 1); }
};

// Los programas que se compilan, en el orden de la lista, y dónde están.
std::vector<std::string> programasDeLaCompilacion() {
  std::istringstream lista(PROGRAMAS);
  std::vector<std::string> programas;
  for (std::string programa; lista >> programa;) {
    programas.push_back(programa);
  }
  return programas;
}

std::string ruta(const std::string& programa) {
  return std::string(CARPETA_PROGRAMAS) + "/" + programa;
}

TEST_P(DialogoEnTerminal, LimpiaYEsperaEnSuSitio) {
  Recorrido recorrido(ruta(GetParam().programa), GetParam().sinBloqueo);
  ASSERT_TRUE(recorrido.lanzado());
  int numero = 0;
  for (const Paso& paso : GetParam().pasos) {
    SCOPED_TRACE("paso " + std::to_string(++numero));
    recorrido.dar(paso);
    if (HasFatalFailure()) {
      return;
    }
  }
}

// Un contenedor de diez huecos vacíos, tal como se lista.
const std::string kDiezVacios = "-1 -1 -1 -1 -1 -1 -1 -1 -1 -1 \n";

// La pantalla limpia y la cabecera de la nómina del mes `mes`.
std::string cabecera(const std::string& mes) {
  return kLimpiar + "          VEDURIZ AZEZAVERI          \n" +
         "     NOMINA DEL MES DE " + mes + "     \n";
}

// Una nómina en el terminal: el mes, la respuesta de la bonificación (y su
// porcentaje), la pantalla limpia con la nómina hasta `ultima`, la pausa y el
// borrado.
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
  // Una tecla que llegara a la lectura siguiente aparecería en el mes
  // siguiente.
  for (const auto& una : {nomina("Enero", "10", "Salario final: 1320\n", "1"),
                          nomina("Febrero", "", "Salario: 1275 euros.\n", "\r"),
                          nomina("Marzo", "", "Salario: 1000 euros.\n", "x"),
                          nomina("Abril", "", "Salario: 500 euros.\n", " ")}) {
    pasos.insert(pasos.end(), una.begin(), una.end());
  }
  pasos.insert(pasos.end(), {pausa("z"), fin()});
  return pasos;
}

// Los casos de cada programa. Donde una tecla tecleada para terminar una
// pausa llegaría a la lectura siguiente, esa lectura viene justo después de
// la pausa y recibe una respuesta que rechazaría o tomaría por otra.
const std::vector<Caso>& casosEnTerminal() {
  static const std::vector<Caso> casos = {
      Caso{"fixedstack",
           "fixedstack",
           {salida(kMenuPilas), teclear("3\n"),
            salida(kLimpiar + "Que quieres borrar cola(1), pila(2)? "),
            teclear("1\n"),
            salida("Cola: \n" + kDiezVacios + "\nPila: \n" + kDiezVacios),
            pausa("x"), salida(kLimpiar + kMenuPilas), teclear("4\n"),
            salida(kLimpiar), fin()}},
      Caso{"fixedstack_CtrlZ",
           "fixedstack",
           {salida(kMenuPilas), teclear("1\n"),
            salida(kLimpiar + "Que quieres usar cola(1), pila(2)? "),
            teclear("2\n"), salida("Que numero quieres introducir? "),
            teclear("7\n"),
            salida("\nCola: \n" + kDiezVacios +
                   "\nPila: \n7 -1 -1 -1 -1 -1 -1 -1 -1 -1 \n"),
            pausa(), ctrlZ(), tecla("5"), salida(kLimpiar + kMenuPilas),
            teclear("4\n"), salida(kLimpiar), fin()}},
      // Un fin de entrada adelantado con las respuestas: la pausa espera
      // igualmente su tecla, y luego la lectura del menú halla el fin.
      Caso{"fixedstack_CtrlD",
           "fixedstack",
           {salida(kMenuPilas), teclear("1\n"),
            salida(kLimpiar + "Que quieres usar cola(1), pila(2)? "),
            teclear("2\n7\n\x04"),
            salida("Que numero quieres introducir? \nCola: \n" + kDiezVacios +
                   "\nPila: \n7 -1 -1 -1 -1 -1 -1 -1 -1 -1 \n"),
            pausa("x"), salida(kLimpiar + kMenuPilas + "\n"), fin()}},
      // Sin bloqueo, cada lectura y cada escritura que no puede seguir aún
      // espera igual, sin error y sin perder nada.
      Caso{"fixedstack_sin_bloqueo",
           "fixedstack",
           {salida(kMenuPilas), teclear("1\n"),
            salida(kLimpiar + "Que quieres usar cola(1), pila(2)? "),
            teclear("1\n"), salida("Que numero quieres introducir? "),
            teclear("7\n"),
            salida("\nCola: \n7 -1 -1 -1 -1 -1 -1 -1 -1 -1 \n\nPila: \n" +
                   kDiezVacios),
            pausa("x"), salida(kLimpiar + kMenuPilas), teclear("4\n"),
            salida(kLimpiar), fin()},
           true},
      Caso{"growstack",
           "growstack",
           {salida("Quieres construirlo por defecto(1) o con parametros(2)? "),
            teclear("2\n"), salida("Que tamanio quieres de inicio? "),
            teclear("3\n"), salida("Que tamanio de crecimiento deseas? "),
            teclear("2\n"), salida(kLimpiar + kMenuPilas), teclear("1\n"),
            salida(kLimpiar + "Que quieres usar cola(1), pila(2)? "),
            teclear("1\n"), salida("Que numero quieres introducir? "),
            teclear("7\n"), salida("\nCola: 7 -1 -1 \n\nPila: -1 -1 -1 \n\n"),
            pausa("3"), salida(kLimpiar + kMenuPilas), teclear("4\n"),
            salida(kLimpiar), fin()}},
      Caso{"shapestack",
           "shapestack",
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
           "nodelist",
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
      Caso{"payslips", "payslips", nominas()},
  };
  return casos;
}

INSTANTIATE_TEST_SUITE_P(Programas, DialogoEnTerminal,
                         testing::ValuesIn(casosEnTerminal()),
                         [](const testing::TestParamInfo<Caso>& info) {
                           return std::string(info.param.nombre);
                         });

// Un programa sin casos no se probaría en el terminal sin que nadie lo
// notara: esta comprobación lo convierte en un fallo que dice qué añadir.
testing::AssertionResult tieneCasos(const std::string& programa) {
  for (const Caso& caso : casosEnTerminal()) {
    if (caso.programa == programa) {
      return testing::AssertionSuccess();
    }
  }
  return testing::AssertionFailure()
         << programa << " no tiene ningún caso en el terminal: añádelo a "
         << "casosEnTerminal() en tests/terminal/DialogosEnTerminalTest.cpp";
}

TEST(CasosEnTerminal, CadaProgramaTieneLosSuyos) {
  const std::vector<std::string> programas = programasDeLaCompilacion();
  ASSERT_FALSE(programas.empty()) << "la lista de programas llegó vacía";
  for (const std::string& programa : programas) {
    EXPECT_TRUE(tieneCasos(programa));
  }
  // Y al revés: ningún caso es de un programa que ya no se compila.
  for (const Caso& caso : casosEnTerminal()) {
    EXPECT_NE(std::find(programas.begin(), programas.end(), caso.programa),
              programas.end())
        << "el caso " << caso.nombre << " es de " << caso.programa
        << ", que no está en CONSOLAS_PROGRAMAS";
  }
}

TEST(CasosEnTerminal, UnProgramaSinCasosNoPasa) {
  const testing::AssertionResult resultado = tieneCasos("sin_casos");
  EXPECT_FALSE(resultado);
  EXPECT_NE(std::string(resultado.message()).find("sin_casos"),
            std::string::npos)
      << resultado.message();
}

}  // namespace
