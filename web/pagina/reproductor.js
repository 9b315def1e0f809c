// El reproductor de una sesión preparada: teclea la entrada de una
// transcripción (su .in) en el programa que corre, como la teclearía una
// persona. Cada vez que el programa espera una línea, teclea la siguiente,
// carácter a carácter, y pulsa Intro; en cada pausa pulsa una tecla; donde
// la entrada se acaba teclea lo que queda sin Intro, si queda algo, y Ctrl+D,
// tantas veces como el programa siga leyendo. Lo tecleado entra por el
// terminal, como lo tecleado a mano: la disciplina de línea hace su eco.
//
// Teclea una respuesta cada vez (siguienteRespuesta) o hasta que el programa
// acaba (hastaElFinal). Se para en cualquier momento, también a mitad de una
// respuesta, y sigue después por donde iba; entretanto se puede teclear a
// mano. Cuenta como respuesta cada línea y cada fin de la entrada.
class Reproductor {
  // La tecla de cada pausa: Intro, la que pulsa casi todo el mundo.
  static TECLA_DE_PAUSA = '\r';
  static FIN_DE_ENTRADA = '\x04';

  // `ejecucion`: la Ejecucion en la que teclea; `terminal`: su xterm.js;
  // `entrada`: el texto del .in; `ritmo`: los milisegundos entre dos
  // caracteres de una respuesta (tecla) y de espera antes de cada respuesta o
  // tecla de pausa (pausa), para que se pueda leer lo que hay en pantalla;
  // `alCambiar()` se llama cuando empieza o acaba de teclear, y
  // `alEmpezarRespuesta()` antes de cada respuesta.
  constructor({ ejecucion, terminal, entrada, ritmo, alCambiar = () => {}, alEmpezarRespuesta = () => {} }) {
    Object.assign(this, { ejecucion, terminal, ritmo, alCambiar, alEmpezarRespuesta });
    this.lineas = entrada.split('\n');
    // Lo que sigue al último salto de línea: la entrada acaba sin Intro.
    this.parcial = this.lineas.pop();
    this.total = this.lineas.length;
    this.tecleadas = 0;
    // Cuántas respuestas debe haber tecleado cuando se pare.
    this.objetivo = 0;
    // Lo que queda por teclear de lo que ya empezó a teclear.
    this.pendiente = '';
    this.ultima = '';
    this.parado = true;
    this.enMarcha = null;
  }

  // Devuelve true mientras está tecleando.
  get tecleando() {
    return this.enMarcha !== null;
  }

  // Teclea una respuesta más (y antes las teclas de las pausas que haya)
  // y se para cuando el programa vuelve a esperar. Devuelve lo tecleado.
  async siguienteRespuesta() {
    this.objetivo = this.tecleadas + (this.pendiente === '' ? 1 : 0);
    await this.reproducir();
    return this.ultima;
  }

  hastaElFinal() {
    this.objetivo = Infinity;
    return this.reproducir();
  }

  parar() {
    this.parado = true;
  }

  reproducir() {
    if (!this.enMarcha) {
      this.parado = false;
      this.enMarcha = this.bucle().finally(() => {
        this.enMarcha = null;
        this.parado = true;
        this.alCambiar();
      });
      this.alCambiar();
    }
    return this.enMarcha;
  }

  async bucle() {
    for (;;) {
      await this.hastaQueEspere();
      if (this.parado || this.ejecucion.resultado) return;
      if (this.pendiente === '') {
        if (this.tecleadas >= this.objetivo) return;
        await dormir(this.ritmo.pausa);
        if (this.parado || this.ejecucion.resultado) return;
        this.pendiente = this.ejecucion.modoLinea ? this.respuesta() : Reproductor.TECLA_DE_PAUSA;
      }
      await this.teclearPendiente();
    }
  }

  // La siguiente respuesta: una línea con su Intro, o el fin de la entrada.
  respuesta() {
    this.alEmpezarRespuesta();
    this.tecleadas++;
    if (this.lineas.length > 0) {
      this.ultima = `${this.lineas.shift()}\r`;
    } else {
      this.ultima = this.parcial + Reproductor.FIN_DE_ENTRADA;
      this.parcial = '';
    }
    return this.ultima;
  }

  // Teclea lo pendiente carácter a carácter, hasta que se pare.
  async teclearPendiente() {
    while (this.pendiente !== '' && !this.parado && !this.ejecucion.resultado) {
      const [letra] = this.pendiente;
      this.pendiente = this.pendiente.slice(letra.length);
      this.terminal.input(letra);
      if (this.pendiente !== '') await dormir(this.ritmo.tecla);
    }
  }

  // Espera a que el programa espere entrada o acabe. Lo tecleado lo recibe
  // el programa en una microtarea, así que tras un turno de la página ya ha
  // llegado a su siguiente espera; mientras arranca, no espera aún.
  async hastaQueEspere() {
    do {
      await dormir(0);
    } while (!this.ejecucion.resultado && !this.ejecucion.esperando);
  }
}

function dormir(ms) {
  return new Promise((despertar) => setTimeout(despertar, ms));
}
