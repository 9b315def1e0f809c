// Una ejecución de un programa: lo que hace de núcleo entre él y el terminal
// de la página.
//
// El programa (programas/NOMBRE.js, compilado con enlace.js) corre en el
// hilo de la página y ve su terminal en Module.terminal, que es este objeto:
// escribir, leer el modo y el tamaño responden al momento; leer y esperar
// entrada reciben una función a la que se llama cuando hay respuesta, y
// mientras tanto el programa queda dormido (Asyncify) y la página sigue.
//
// El terminal (xterm.js) está unido a una disciplina de línea (xterm-pty):
// en modo línea hace el eco, borra con Retroceso, entrega la línea con Intro
// y el fin de la entrada con Ctrl+D; con Ctrl+C avisa de la señal. Aquí se
// guarda lo que entrega, en orden, hasta que el programa lo lee, como hace
// Linux con lo que se teclea por adelantado; el fin de la entrada queda en
// su sitio entre las líneas. Ctrl+C (y Ctrl+\) termina el programa; Ctrl+Z
// no hace nada, pues aquí no hay un intérprete de órdenes que lo reanude.
class Ejecucion {
  // Marca el fin de la entrada (Ctrl+D) en la cola de lo tecleado.
  static FIN = null;

  // `crearPrograma(Module)` crea y arranca el programa; `esclavo`: el lado
  // del programa de la disciplina de línea; `terminal`: el xterm.js;
  // `alTerminar(resultado)` se llama una vez, al acabar, con { estado } o
  // { senal } o { fallo }. `avisos`, si se quiere: antesDeEscribir(bytes),
  // a la que se llama con cada escritura del programa antes de llevarla al
  // terminal, y alEsperar(), cada vez que el programa se queda esperando
  // entrada que aún no hay.
  constructor(crearPrograma, esclavo, terminal, alTerminar, avisos = {}) {
    this.esclavo = esclavo;
    this.terminal = terminal;
    this.alTerminar = alTerminar;
    this.avisos = { antesDeEscribir: () => {}, alEsperar: () => {}, ...avisos };
    // Lo tecleado que el programa aún no ha leído: trozos de bytes y FIN.
    this.entrada = [];
    // La lectura o la espera de entrada en la que el programa está dormido.
    this.pendiente = null;
    this.resultado = null;
    // El modo del terminal antes de empezar, que vuelve al acabar, como lo
    // devuelve un intérprete de órdenes cuando un programa muere.
    this.modoInicial = esclavo.ioctl('TCGETS');
    this.suscripciones = [
      esclavo.onReadable(() => this.recibir()),
      esclavo.onSignal((senal) => this.senal(senal)),
    ];
    crearPrograma({
      terminal: this,
      // Los programas borran la pantalla con secuencias de control cuando
      // TERM nombra un terminal que las entiende, como xterm.js.
      preRun: [(programa) => {
        programa.ENV.TERM = 'xterm-256color';
      }],
      onExit: (estado) => this.terminar({ estado }),
      onAbort: (motivo) => this.terminar({ fallo: String(motivo) }),
    }).catch((error) => this.terminar({ fallo: String(error) }));
  }

  // El programa duerme esperando entrada que aún no hay.
  get esperando() {
    return this.pendiente !== null;
  }

  // El terminal está en modo línea (canónico), y no en el de una tecla.
  get modoLinea() {
    return this.esclavo.ioctl('TCGETS').ICANON_P;
  }

  // Lo que la disciplina de línea entrega: una línea, un trozo de línea con
  // Ctrl+D, o nada con Ctrl+D al principio de una línea, que es el fin de la
  // entrada. Fuera del modo línea entrega cada tecla, y nada no es nada.
  // El programa sigue después, no dentro de la disciplina de línea: así
  // todo lo pegado de una vez pasa por ella antes de que el programa cambie
  // el modo del terminal, como en Linux.
  recibir() {
    const bytes = this.esclavo.read();
    if (bytes.length > 0) {
      this.entrada.push(Uint8Array.from(bytes));
    } else if (this.modoLinea) {
      this.entrada.push(Ejecucion.FIN);
    } else {
      return;
    }
    queueMicrotask(() => this.despertar());
  }

  // La señal de Ctrl+C o de Ctrl+\ mata el programa, como haría la suya
  // por defecto; las demás (Ctrl+Z, el cambio de tamaño) no hacen nada.
  senal(senal) {
    if (senal === 'SIGINT' || senal === 'SIGQUIT') {
      this.terminar({ senal });
    }
  }

  // Al menos un byte, y como mucho `cuantos`; ninguno al fin de la entrada.
  // Acabada la ejecución, el programa no se despierta más.
  leer(cuantos, alLeer) {
    if (this.resultado) return;
    this.pendiente = { cuantos, alListo: alLeer };
    this.despertar();
    if (this.pendiente) this.avisos.alEsperar();
  }

  // Si hay entrada que leer, esperándola como mucho `ms` milisegundos
  // (negativo: sin límite). Si ya hay entrada, responde al momento.
  esperar(ms, alListo) {
    if (this.resultado) return;
    if (this.entrada.length > 0 || ms === 0) {
      alListo(this.entrada.length > 0);
      return;
    }
    this.pendiente = { alListo };
    if (ms > 0) {
      this.pendiente.plazo = setTimeout(() => this.responder(false), ms);
    }
    this.avisos.alEsperar();
  }

  // Responde a la lectura o la espera pendiente si ya hay entrada.
  despertar() {
    if (!this.pendiente || this.entrada.length === 0) return;
    const { cuantos } = this.pendiente;
    this.responder(cuantos === undefined ? true : this.tomar(cuantos));
  }

  // Despierta al programa con la respuesta; corre hasta su siguiente espera
  // o hasta que acaba.
  responder(respuesta) {
    const { alListo, plazo } = this.pendiente;
    this.pendiente = null;
    clearTimeout(plazo);
    alListo(respuesta);
  }

  // Como mucho `cuantos` bytes de la entrada: en modo línea, de una sola
  // línea, como los da Linux; ninguno si lo primero es el fin de la entrada.
  tomar(cuantos) {
    if (this.entrada[0] === Ejecucion.FIN) {
      this.entrada.shift();
      return new Uint8Array(0);
    }
    const unaLinea = this.modoLinea;
    const partes = [];
    let total = 0;
    while (total < cuantos && this.entrada.length > 0 && this.entrada[0] !== Ejecucion.FIN) {
      const trozo = this.entrada[0];
      const parte = trozo.subarray(0, cuantos - total);
      partes.push(parte);
      total += parte.length;
      if (parte.length < trozo.length) {
        this.entrada[0] = trozo.subarray(parte.length);
        break;
      }
      this.entrada.shift();
      if (unaLinea) break;
    }
    const bytes = new Uint8Array(total);
    let en = 0;
    for (const parte of partes) {
      bytes.set(parte, en);
      en += parte.length;
    }
    return bytes;
  }

  // Escribir nunca espera: si Ctrl+S ha detenido la salida, la disciplina de
  // línea la guarda hasta Ctrl+Q. La página no guarda nada de lo escrito:
  // solo queda lo que el terminal recuerda (su historial de líneas, acotado).
  escribir(bytes) {
    if (this.resultado) return;
    this.avisos.antesDeEscribir(bytes);
    this.esclavo.write(Array.from(bytes));
  }

  leerModo() {
    return this.esclavo.ioctl('TCGETS');
  }

  // Con `descartar` (TCSAFLUSH), lo tecleado sin leer se pierde. Al dejar
  // el modo línea, lo que ya se tecleó de una línea sin acabar queda para
  // leer, como en Linux: una entrada vacía hace que la disciplina de línea
  // lo entregue.
  ponerModo(modo, descartar) {
    if (this.resultado) return;
    const eraLinea = this.modoLinea;
    if (descartar) this.entrada = [];
    this.esclavo.ioctl('TCSETS', modo);
    if (eraLinea && !this.modoLinea) {
      this.terminal.input('', false);
    }
  }

  tamanio() {
    const [columnas, filas] = this.esclavo.ioctl('TIOCGWINSZ');
    return { filas, columnas };
  }

  // Acaba la ejecución, si no había acabado ya: el programa no se despierta
  // más, lo que aún escriba o cambie del terminal no llega a él, el terminal
  // vuelve a su modo y lo tecleado sin leer se descarta. La página la acaba
  // así también cuando empieza otra antes de que esta acabe.
  terminar(resultado) {
    if (this.resultado) return;
    this.resultado = resultado;
    if (this.pendiente) clearTimeout(this.pendiente.plazo);
    this.pendiente = null;
    this.suscripciones.forEach((suscripcion) => suscripcion.dispose());
    this.esclavo.ioctl('TCSETS', this.modoInicial);
    this.alTerminar(resultado);
  }
}
